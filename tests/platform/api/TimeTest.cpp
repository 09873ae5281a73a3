#include "orvik/api/Time.h"

#include <gtest/gtest.h>
#include <string>

namespace Orvik {
namespace {

constexpr const char* kRejected = nullptr;
constexpr const char* kEarlier = "2020-05-05T05:05:05Z";

TEST(Time, ParsesToUtcOrRejectsKeepingTheOldValue) {
    const struct {
        const char* text;
        const char* utc;
    } cases[] = {
        {"2021-06-15", "2021-06-15T00:00:00Z"},
        {"2021-06-15T08:30", "2021-06-15T08:30:00Z"},
        {"2021-06-15T08:30:45Z", "2021-06-15T08:30:45Z"},
        {"2021-06-15 08:30:45.123456", "2021-06-15T08:30:45Z"},
        {"2021-06-15T08:30:45+02:00", "2021-06-15T06:30:45Z"},
        {"2021-06-15T08:30:45-0130", "2021-06-15T10:00:45Z"},
        {"2016-12-31T23:59:60Z", "2016-12-31T23:59:60Z"},
        // offsets carry across day, month and year, and leap days
        {"2023-12-31T23:30:00-01:00", "2024-01-01T00:30:00Z"},
        {"2024-01-01T00:15:00+00:30", "2023-12-31T23:45:00Z"},
        {"2024-02-28T22:00:00-03:00", "2024-02-29T01:00:00Z"},
        {"2023-02-28T22:00:00-03:00", "2023-03-01T01:00:00Z"},
        {"2024-03-01T01:00:00+05:00", "2024-02-29T20:00:00Z"},
        {"2024-02-29", "2024-02-29T00:00:00Z"},
        {"2000-02-29", "2000-02-29T00:00:00Z"},
        {"2023-02-29", kRejected},
        {"1900-02-29", kRejected},
        {"", kRejected},
        {"2021", kRejected},
        {"2021-13-01", kRejected},
        {"2021-00-10", kRejected},
        {"2021-04-31", kRejected},
        {"2021-06-15T24:00:00Z", kRejected},
        {"2021-06-15T10:60", kRejected},
        {"2021-06-15T10:00:61", kRejected},
        {"2021-06-15T10", kRejected},
        {"2021-06-15T10:00:00.", kRejected},
        {"2021-06-15T10:00:00+2", kRejected},
        {"2021-06-15T10:00:00+24:00", kRejected},
        {"2021-06-15T10:00:00Zjunk", kRejected},
        {"2021-06-15 ", kRejected},
        {" 2021-06-15", kRejected},
        {"21-06-15", kRejected},
        {"0000-01-01T00:00:00+01:00", kRejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Time time;
        ASSERT_TRUE(time.FromString(kEarlier));
        EXPECT_EQ(time.FromString(c.text), c.utc != kRejected);
        EXPECT_EQ(time.ToString(), UTF8String(c.utc ? c.utc : kEarlier));
    }
}

TEST(Time, FillsWeekdayAndDayOfYear) {
    const struct {
        const char* text;
        int weekday;
        int dayOfYear;
    } cases[] = {
        {nullptr, 4, 0}, // the default, the Unix epoch
        {"2024-12-31T12:00:00Z", 2, 365},
        {"1900-03-01", 4, 59}, // 1900 is no leap year
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "default");
        Time time;
        ASSERT_TRUE(!c.text || time.FromString(c.text));
        EXPECT_EQ(time.Value().tm_wday, c.weekday);
        EXPECT_EQ(time.Value().tm_yday, c.dayOfYear);
    }
    EXPECT_EQ(Time().ToString(), UTF8String("1970-01-01T00:00:00Z"));
}

TEST(Time, EqualityComparesCalendarFields) {
    Time a;
    Time b;
    ASSERT_TRUE(a.FromString("2021-06-15T08:30:00+02:00"));
    ASSERT_TRUE(b.FromString("2021-06-15T06:30:00Z"));
    EXPECT_TRUE(a == b);
    ASSERT_TRUE(b.FromString("2021-06-15T06:30:01Z"));
    EXPECT_FALSE(a == b);
}

} // namespace
} // namespace Orvik
