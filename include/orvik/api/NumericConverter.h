#pragma once

#include <cstddef>
#include <cstdint>

namespace Orvik {

class NumericConverter {
public:
    // Sizes above the 32-bit range clamp instead of wrapping.
    static std::uint32_t SizeToULong(std::size_t size);
    // Values above the 32-bit range clamp instead of wrapping.
    static std::uint32_t UInt64ToULong(std::uint64_t value);
};

} // namespace Orvik
