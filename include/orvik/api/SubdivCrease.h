#pragma once

#include <cstdint>

namespace Orvik {

// A sharpened edge of a subdivision cage, between two cage vertices.
class SubdivCrease {
public:
    SubdivCrease() = default;
    SubdivCrease(std::uint32_t from, std::uint32_t to, double sharpness)
        : m_from(from)
        , m_to(to)
        , m_sharpness(sharpness) {}

    std::uint32_t From() const { return m_from; }
    std::uint32_t To() const { return m_to; }
    double Sharpness() const { return m_sharpness; }

private:
    std::uint32_t m_from = 0;
    std::uint32_t m_to = 0;
    double m_sharpness = 0.0;
};

} // namespace Orvik
