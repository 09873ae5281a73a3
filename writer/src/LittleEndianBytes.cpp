#include "orvik/writer/LittleEndianBytes.h"

#include <cstring>

namespace Orvik::Writer {

LittleEndianBytes& LittleEndianBytes::U64(std::uint64_t value) {
    // Shifts give the file order on any host.
    for (int i = 0; i < 8; ++i)
        bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    return *this;
}

LittleEndianBytes& LittleEndianBytes::Double(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return U64(bits);
}

LittleEndianBytes& LittleEndianBytes::Byte(std::uint8_t value) {
    bytes_.push_back(static_cast<char>(value));
    return *this;
}

LittleEndianBytes& LittleEndianBytes::String(std::string_view utf8) {
    U64(utf8.size());
    bytes_.append(utf8);
    return *this;
}

LittleEndianBytes& LittleEndianBytes::Raw(std::string_view bytes) {
    bytes_.append(bytes);
    return *this;
}

} // namespace Orvik::Writer
