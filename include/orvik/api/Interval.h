#pragma once

namespace Orvik {

class Interval {
public:
    Interval() = default;
    Interval(double low, double high)
        : m_low(low)
        , m_high(high) {}

    double Low() const { return m_low; }
    double High() const { return m_high; }
    bool IsEmpty() const { return m_high < m_low; }

    friend bool operator==(const Interval& a, const Interval& b) {
        return a.m_low == b.m_low && a.m_high == b.m_high;
    }

private:
    double m_low = 0.0;
    double m_high = 0.0;
};

} // namespace Orvik
