#pragma once

#include "orvik/api/UTF16String.h"

#include <string>
#include <sys/types.h>

namespace Orvik {

// Whether a path names a local regular file, told in words that follow the file's name:
// "does not exist", "is not a regular file but a pipe", "cannot be read: ...". Empty when it
// does. Links are followed; where they may lead is SideFileLocation's concern.
class RegularFile {
public:
    static std::string Check(const UTF16String& path);
    // For a file already open: its mode as fstat gave it.
    static std::string CheckMode(mode_t mode);
    // For a failed stat or open, by its errno.
    static std::string DescribeFailure(int error);
};

} // namespace Orvik
