#pragma once

namespace Orvik {

// Red, green, blue and alpha as fractions from 0 to 1; opaque black by default.
class Color {
public:
    void SetFractionalRGB(double red, double green, double blue) {
        SetFractionalRGBA(red, green, blue, 1.0);
    }
    void SetFractionalRGBA(double red, double green, double blue, double alpha) {
        m_red = red;
        m_green = green;
        m_blue = blue;
        m_alpha = alpha;
    }

    double Red() const { return m_red; }
    double Green() const { return m_green; }
    double Blue() const { return m_blue; }
    double Alpha() const { return m_alpha; }

    friend bool operator==(const Color& a, const Color& b) {
        return a.m_red == b.m_red && a.m_green == b.m_green && a.m_blue == b.m_blue &&
               a.m_alpha == b.m_alpha;
    }

private:
    double m_red = 0.0;
    double m_green = 0.0;
    double m_blue = 0.0;
    double m_alpha = 1.0;
};

} // namespace Orvik
