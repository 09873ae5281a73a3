#pragma once

#include "orvik/api/UTF16String.h"

#include <cstdint>
#include <string>

namespace Orvik {

// The document as a local regular file, read into memory once. Reading it ourselves keeps the
// XML parser from opening anything else: no URL, no device, no pipe that never ends.
class DocumentFile {
public:
    // Reads the whole file into bytes. Empty when it could, otherwise why not.
    static std::string Read(const UTF16String& path, std::uint64_t maxBytes, std::string& bytes);
};

} // namespace Orvik
