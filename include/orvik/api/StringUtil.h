#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <vector>

namespace Orvik {

// Text helpers of the framework. Conversions answer false and leave the target unchanged
// unless the whole text (surrounding blanks allowed) is a number in range.
class StringUtil {
public:
    static bool ToDouble(const UTF16String& text, double& value);
    static bool ToFloat(const UTF16String& text, float& value);
    static bool ToInt(const UTF16String& text, int& value, int base = 10);
    static bool ToLong(const UTF16String& text, std::int64_t& value, int base = 10);
    static bool ToUnsignedlong(const UTF16String& text, std::uint64_t& value, int base = 10);
    static UTF8String FromUnsignedlong(std::uint64_t value);

    static std::vector<UTF16String> Split(const UTF16String& text, char16_t separator);

    // Path helpers work on both '/' and '\' separators.
    static UTF16String ExtractBranchPath(const UTF16String& path);
    // The extension given may start with "." or not.
    static UTF16String ReplaceExtension(const UTF16String& path, const UTF16String& extension);
    static bool IsAbsolutePath(const UTF16String& path);
    // Characters not allowed in file names become "_".
    static UTF16String ReplaceUnsupportCharacters(const UTF16String& name);
};

} // namespace Orvik
