#pragma once

#include <cstdint>

namespace Orvik {

// Bounds that a document must keep before it is parsed, so that a hostile one fails quickly
// with a clear error instead of exhausting time or memory. The defaults lie far beyond any
// real document; docs/limits.md lists them.
struct XMLDocumentLimits {
    // Size of the document file itself.
    std::uint64_t maxDocumentBytes = std::uint64_t{8} << 30;
    // Levels of element nesting, the document element being the first.
    std::uint64_t maxDepth = 1000;
    // Attributes of one element, namespace declarations included.
    std::uint64_t maxAttributesPerElement = 1000;
    // Namespace declarations ("xmlns" and "xmlns:...") of one element.
    std::uint64_t maxNamespaceDeclarationsPerElement = 64;
    // Characters of one attribute value or of one run of text between two tags, as written.
    std::uint64_t maxValueLength = std::uint64_t{1} << 30;
    // Elements in the whole document.
    std::uint64_t maxElements = std::uint64_t{100} * 1000 * 1000;
    // Size of one side file the document names.
    std::uint64_t maxSideFileBytes = std::uint64_t{4} << 30;
    // Bytes of all side files that one load reads or hands over together.
    std::uint64_t maxTotalSideFileBytes = std::uint64_t{16} << 30;
    // Bytes one custom-data blob takes from its side file; the host receives them in memory.
    std::uint64_t maxBlobBytes = std::uint64_t{256} << 20;

    // A zipped document: entries of the archive.
    std::uint64_t maxZipEntries = 65536;
    // Bytes written to the extraction folder, counted as they are unpacked.
    std::uint64_t maxZipUnpackedBytes = std::uint64_t{4} << 30;
    // Bytes unpacked per byte of the archive file, so that a small archive cannot fill the
    // disk; it holds once more than minZipBytesForRatio bytes are unpacked.
    std::uint64_t maxZipUnpackRatio = 100;
    std::uint64_t minZipBytesForRatio = std::uint64_t{16} << 20;
};

} // namespace Orvik
