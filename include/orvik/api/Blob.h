#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Orvik {

// Opaque bytes; keeps its own copy.
class Blob {
public:
    Blob() = default;
    Blob(std::size_t size, const void* buffer);

    std::size_t Size() const { return m_bytes.size(); }
    const std::uint8_t* Data() const { return m_bytes.data(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    friend bool operator==(const Blob& a, const Blob& b) { return a.m_bytes == b.m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace Orvik
