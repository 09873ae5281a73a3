#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Orvik::Veld {

// Reads little-endian values from a file held in memory, never past its end.
class ByteCursor {
public:
    explicit ByteCursor(const std::vector<unsigned char>& bytes)
        : m_bytes(bytes) {}

    std::size_t Remaining() const { return m_bytes.size() - m_offset; }
    bool ReadU8(std::uint8_t& value);
    bool ReadU32(std::uint32_t& value);
    bool ReadF64(double& value);
    bool ReadBytes(std::size_t length, std::string& value);

private:
    bool ReadLittleEndian(std::size_t width, std::uint64_t& value);

    const std::vector<unsigned char>& m_bytes;
    std::size_t m_offset = 0;
};

} // namespace Orvik::Veld
