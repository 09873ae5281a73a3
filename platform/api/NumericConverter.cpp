#include "orvik/api/NumericConverter.h"

#include <limits>

namespace Orvik {

std::uint32_t NumericConverter::SizeToULong(std::size_t size) {
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    return size > kMax ? kMax : static_cast<std::uint32_t>(size);
}

std::uint32_t NumericConverter::UInt64ToULong(std::uint64_t value) {
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    return value > kMax ? kMax : static_cast<std::uint32_t>(value);
}

} // namespace Orvik
