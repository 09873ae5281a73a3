#pragma once

#include "orvik/api/UTF16String.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace Orvik {

// Reads the raw bytes of a blob side file, from its start.
class AmbrelBinaryDataExternalFileReader {
public:
    // A relative path is taken from the folder of the document.
    AmbrelBinaryDataExternalFileReader(const UTF16String& documentPath, const UTF16String& path);

    const UTF16String& FilePath() const { return m_filePath; }
    // Empty when there is no regular file to read. Ask before allocating a buffer for Read.
    std::optional<std::uint64_t> FileSize() const;
    // The first size bytes of the file; false when the file is missing or shorter.
    bool Read(void* buffer, std::size_t size) const;

private:
    UTF16String m_filePath;
};

} // namespace Orvik
