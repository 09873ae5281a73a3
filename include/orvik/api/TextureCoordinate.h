#pragma once

namespace Orvik {

// A point of texture space, one per mesh vertex when a mesh carries them.
class TextureCoordinate {
public:
    TextureCoordinate() = default;
    TextureCoordinate(double u, double v)
        : m_u(u)
        , m_v(v) {}

    double U() const { return m_u; }
    double V() const { return m_v; }

    friend bool operator==(const TextureCoordinate& a, const TextureCoordinate& b) {
        return a.m_u == b.m_u && a.m_v == b.m_v;
    }

private:
    double m_u = 0.0;
    double m_v = 0.0;
};

} // namespace Orvik
