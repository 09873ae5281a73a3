#include "orvik/api/Time.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace Orvik {
namespace {

TEST(Time, ParsesDateTimeAndZoneFormsToUtc) {
    const std::pair<const char*, const char*> cases[] = {
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
    };
    for (const auto& [text, utc] : cases) {
        Time time;
        ASSERT_TRUE(time.FromString(text)) << text;
        EXPECT_EQ(time.ToString(), UTF8String(utc)) << text;
    }
}

TEST(Time, RejectsMalformedTextAndKeepsTheOldValue) {
    const char* const bad[] = {// dates, leap days by the Gregorian rules
                               "", "2021", "21-06-15", "2021-13-01", "2021-00-10", "2021-04-31",
                               "2023-02-29", "1900-02-29",
                               // times
                               "2021-06-15T24:00:00Z", "2021-06-15T10:60", "2021-06-15T10:00:61",
                               "2021-06-15T10", "2021-06-15T10:00:00.",
                               // zones, stray text, and a year an offset would push below 0000
                               "2021-06-15T10:00:00+2", "2021-06-15T10:00:00+24:00",
                               "2021-06-15T10:00:00Zjunk", "2021-06-15 ", " 2021-06-15",
                               "0000-01-01T00:00:00+01:00"};
    Time time;
    ASSERT_TRUE(time.FromString("2020-05-05T05:05:05Z"));
    for (const char* text : bad) {
        EXPECT_FALSE(time.FromString(text)) << text;
        EXPECT_EQ(time.ToString(), UTF8String("2020-05-05T05:05:05Z")) << text;
    }
}

TEST(Time, DefaultIsTheEpochAndWeekdayAndDayOfYearAreFilled) {
    Time time;
    EXPECT_EQ(time.ToString(), UTF8String("1970-01-01T00:00:00Z"));
    EXPECT_EQ(time.Value().tm_wday, 4);
    EXPECT_EQ(time.Value().tm_yday, 0);
    ASSERT_TRUE(time.FromString("2024-12-31T12:00:00Z"));
    EXPECT_EQ(time.Value().tm_wday, 2); // a Tuesday
    EXPECT_EQ(time.Value().tm_yday, 365);
    ASSERT_TRUE(time.FromString("1900-03-01"));
    EXPECT_EQ(time.Value().tm_wday, 4);
    EXPECT_EQ(time.Value().tm_yday, 59) << "1900 is no leap year";
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
