#pragma once

#include <cstdint>

namespace Orvik {

// Bounds on what one archive may unpack, against archives built to exhaust the disk.
struct ZipExtractionLimits {
    std::uint64_t maxEntries = 65536;
    // Counted from the bytes actually written, never from sizes the archive declares.
    std::uint64_t maxTotalBytes = std::uint64_t{4} << 30;
};

} // namespace Orvik
