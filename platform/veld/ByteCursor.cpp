#include "veld/ByteCursor.h"

#include <cstring>

namespace Orvik::Veld {

bool ByteCursor::ReadLittleEndian(std::size_t width, std::uint64_t& value) {
    if (Remaining() < width)
        return false;
    value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= std::uint64_t{m_bytes[m_offset + i]} << (8 * i);
    m_offset += width;
    return true;
}

bool ByteCursor::ReadU8(std::uint8_t& value) {
    std::uint64_t wide = 0;
    if (!ReadLittleEndian(1, wide))
        return false;
    value = static_cast<std::uint8_t>(wide);
    return true;
}

bool ByteCursor::ReadU32(std::uint32_t& value) {
    std::uint64_t wide = 0;
    if (!ReadLittleEndian(4, wide))
        return false;
    value = static_cast<std::uint32_t>(wide);
    return true;
}

bool ByteCursor::ReadF64(double& value) {
    std::uint64_t bits = 0;
    if (!ReadLittleEndian(8, bits))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteCursor::ReadBytes(std::size_t length, std::string& value) {
    if (Remaining() < length)
        return false;
    value.assign(reinterpret_cast<const char*>(m_bytes.data() + m_offset), length);
    m_offset += length;
    return true;
}

} // namespace Orvik::Veld
