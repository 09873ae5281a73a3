#pragma once

#include <string>
#include <string_view>

namespace Orvik::Unicode {

// Invalid sequences become U+FFFD instead of failing: text from files is untrusted.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string WideToUtf16(std::wstring_view text);
std::wstring Utf16ToWide(std::u16string_view text);

} // namespace Orvik::Unicode
