#pragma once

namespace Orvik {

class Position {
public:
    Position() = default;
    Position(double x, double y, double z)
        : m_x(x)
        , m_y(y)
        , m_z(z) {}

    double X() const { return m_x; }
    double Y() const { return m_y; }
    double Z() const { return m_z; }
    void Set(double x, double y, double z) {
        m_x = x;
        m_y = y;
        m_z = z;
    }

    friend bool operator==(const Position& a, const Position& b) {
        return a.m_x == b.m_x && a.m_y == b.m_y && a.m_z == b.m_z;
    }
    friend bool operator!=(const Position& a, const Position& b) { return !(a == b); }

private:
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
};

} // namespace Orvik
