#pragma once

#include "orvik/api/UTF8String.h"

#include <ctime>

namespace Orvik {

// A calendar time in UTC.
class Time {
public:
    Time();

    // ISO 8601: "YYYY-MM-DD", optionally "Thh:mm[:ss[.fff]]" and "Z" or "+hh:mm"/"-hh:mm";
    // a space may stand for the "T". An offset is folded into UTC. Answers false and leaves
    // the time unchanged when the text is not such a time.
    bool FromString(const UTF8String& text);
    // "YYYY-MM-DDThh:mm:ssZ".
    UTF8String ToString() const;

    const std::tm& Value() const { return m_value; }

    friend bool operator==(const Time& a, const Time& b);

private:
    std::tm m_value;
};

} // namespace Orvik
