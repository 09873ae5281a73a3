#include "ValueFormatter.h"

#include <gtest/gtest.h>
#include <limits>

namespace Orvik::Inspect {
namespace {

// The printed form of numbers is part of the output tools read; these are the forms the
// inspector has always printed.
TEST(ValueFormatterTest, NumbersPrintWholeAsIntegersAndOthersInShortestForm) {
    struct Case {
        double value;
        const char* printed;
    };
    const Case cases[] = {
        {3.0, "3"},
        {-0.0, "0"},
        {-120.0, "-120"},
        {9000000001.0, "9000000001"},
        {0.1, "0.1"},
        {2.75, "2.75"},
        {-2.5e-300, "-2.5e-300"},
        {1e-6, "1e-06"},
        {1e15, "1e+15"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JsonText(ValueFormatter::Number(c.value)), c.printed) << c.value;
    EXPECT_EQ(JsonText(ValueFormatter::Matrix(Matrix3d())), "[1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1]");
}

TEST(ValueFormatterTest, TextIsEscapedAndBadUtf8IsReplacedNotThrown) {
    EXPECT_EQ(JsonText(Json("quote \" backslash \\ newline \n tab \t bell \x07 utf8 \xC3\xA9")),
              "\"quote \\\" backslash \\\\ newline \\n tab \\t bell \\u0007 utf8 \xC3\xA9\"");
    EXPECT_EQ(JsonText(Json("cut \xC3")), "\"cut \xEF\xBF\xBD\"");
}

} // namespace
} // namespace Orvik::Inspect
