#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Orvik::Writer {

// The value encoding of the binary side files: u64 and doubles little-endian whatever the host,
// strings as a u64 byte length and their UTF-8 bytes, flags as one byte.
class LittleEndianBytes {
public:
    LittleEndianBytes& U64(std::uint64_t value);
    LittleEndianBytes& Double(double value);
    LittleEndianBytes& Byte(std::uint8_t value);
    LittleEndianBytes& String(std::string_view utf8);
    LittleEndianBytes& Raw(std::string_view bytes);

    const std::string& Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

} // namespace Orvik::Writer
