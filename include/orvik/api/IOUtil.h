#pragma once

#include "orvik/api/UTF16String.h"

#include <cstdio>

namespace Orvik {

class IOUtil {
public:
    static UTF16String AppendFilePath(const UTF16String& directory, const UTF16String& name);
    static bool IsFileExisted(const UTF16String& path);
    // Null when the file cannot be opened; mode as for fopen.
    static std::FILE* OpenFile(const UTF16String& path, const char* mode);
    static void CloseFile(std::FILE* file);
    static bool IsBigEndian();
};

} // namespace Orvik
