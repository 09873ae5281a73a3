#include "orvik/api/Time.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace Orvik {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr std::int64_t kUnixEpochWeekday = 4; // 1970-01-01 was a Thursday

struct CalendarTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int offsetMinutes = 0;
};

class TextCursor {
public:
    explicit TextCursor(std::string_view text)
        : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }
    bool Peek(char c) const { return !AtEnd() && m_text[m_pos] == c; }
    bool Accept(char c) {
        if (!Peek(c))
            return false;
        ++m_pos;
        return true;
    }
    bool PeekDigit() const { return !AtEnd() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9'; }
    // Reads exactly `count` digits.
    bool ReadNumber(int count, int& value) {
        value = 0;
        for (int i = 0; i < count; ++i) {
            if (!PeekDigit())
                return false;
            value = value * 10 + (m_text[m_pos++] - '0');
        }
        return true;
    }
    void SkipDigits() {
        while (PeekDigit())
            ++m_pos;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 in the proleptic Gregorian calendar (eras of 400 years).
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

bool ParseDate(TextCursor& cursor, CalendarTime& time) {
    if (!cursor.ReadNumber(4, time.year) || !cursor.Accept('-') ||
        !cursor.ReadNumber(2, time.month) || !cursor.Accept('-') || !cursor.ReadNumber(2, time.day))
        return false;
    return time.month >= 1 && time.month <= 12 && time.day >= 1 &&
           time.day <= DaysInMonth(time.year, time.month);
}

// Fractions of a second are beyond what a calendar time holds, so they are read and dropped.
bool SkipFraction(TextCursor& cursor) {
    if (!cursor.Accept('.') && !cursor.Accept(','))
        return true;
    if (!cursor.PeekDigit())
        return false;
    cursor.SkipDigits();
    return true;
}

bool ParseTimeOfDay(TextCursor& cursor, CalendarTime& time) {
    if (!cursor.ReadNumber(2, time.hour) || !cursor.Accept(':') ||
        !cursor.ReadNumber(2, time.minute))
        return false;
    if (cursor.Accept(':')) {
        if (!cursor.ReadNumber(2, time.second) || !SkipFraction(cursor))
            return false;
    }
    // 60 leaves room for a leap second.
    return time.hour <= 23 && time.minute <= 59 && time.second <= 60;
}

bool ParseZone(TextCursor& cursor, CalendarTime& time) {
    if (cursor.Accept('Z'))
        return true;
    int sign = 0;
    if (cursor.Accept('+'))
        sign = 1;
    else if (cursor.Accept('-'))
        sign = -1;
    else
        return true;
    int hours = 0;
    int minutes = 0;
    if (!cursor.ReadNumber(2, hours))
        return false;
    const bool hasMinutes = cursor.Accept(':') || cursor.PeekDigit();
    if (hasMinutes && !cursor.ReadNumber(2, minutes))
        return false;
    if (hours > 23 || minutes > 59)
        return false;
    time.offsetMinutes = sign * (hours * 60 + minutes);
    return true;
}

bool ParseIsoTime(std::string_view text, CalendarTime& time) {
    TextCursor cursor(text);
    if (!ParseDate(cursor, time))
        return false;
    if (cursor.Accept('T') || cursor.Accept(' ')) {
        if (!ParseTimeOfDay(cursor, time) || !ParseZone(cursor, time))
            return false;
    }
    return cursor.AtEnd();
}

// Seconds stay as written (a leap second included); the offset is whole minutes.
bool ToUtc(const CalendarTime& local, std::tm& out) {
    const std::int64_t localMinutes =
        DaysFromCivil(local.year, local.month, local.day) * kMinutesPerDay + local.hour * 60 +
        local.minute;
    const std::int64_t utcMinutes = localMinutes - local.offsetMinutes;
    const std::int64_t days = FloorDiv(utcMinutes, kMinutesPerDay);
    const std::int64_t minuteOfDay = FloorMod(utcMinutes, kMinutesPerDay);

    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days, year, month, day);
    // Four-digit years only, so that ToString gives back what FromString takes.
    if (year < 0 || year > 9999)
        return false;

    out = std::tm{};
    out.tm_year = year - 1900;
    out.tm_mon = month - 1;
    out.tm_mday = day;
    out.tm_hour = static_cast<int>(minuteOfDay / 60);
    out.tm_min = static_cast<int>(minuteOfDay % 60);
    out.tm_sec = local.second;
    out.tm_wday = static_cast<int>(FloorMod(days + kUnixEpochWeekday, 7));
    out.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
    out.tm_isdst = 0;
    return true;
}

} // namespace

Time::Time()
    : m_value{} {
    ToUtc(CalendarTime{}, m_value);
}

bool Time::FromString(const UTF8String& text) {
    CalendarTime parsed;
    std::tm value{};
    if (!ParseIsoTime(text.Value(), parsed) || !ToUtc(parsed, value))
        return false;
    m_value = value;
    return true;
}

UTF8String Time::ToString() const {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", m_value.tm_year + 1900,
                  m_value.tm_mon + 1, m_value.tm_mday, m_value.tm_hour, m_value.tm_min,
                  m_value.tm_sec);
    return UTF8String(buffer);
}

bool operator==(const Time& a, const Time& b) {
    const std::tm& x = a.m_value;
    const std::tm& y = b.m_value;
    return x.tm_year == y.tm_year && x.tm_mon == y.tm_mon && x.tm_mday == y.tm_mday &&
           x.tm_hour == y.tm_hour && x.tm_min == y.tm_min && x.tm_sec == y.tm_sec;
}

} // namespace Orvik
