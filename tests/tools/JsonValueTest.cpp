#include "JsonValue.h"

#include <gtest/gtest.h>

namespace Orvik::Inspect {
namespace {

TEST(JsonValueTest, StringsAreEscapedSoTheOutputStaysValidJson) {
    JsonValue object = JsonValue::Object();
    object.Set("text", "quote \" backslash \\ newline \n tab \t bell \x07 utf8 \xC3\xA9");
    EXPECT_EQ(object.ToString(0),
              "{\"text\":\"quote \\\" backslash \\\\ newline \\n tab \\t bell \\u0007 utf8 "
              "\xC3\xA9\"}");
}

TEST(JsonValueTest, NumbersUseTheShortestRoundTripFormAndNonFiniteBecomesNull) {
    JsonValue array = JsonValue::Array();
    array.Append(0.1);
    array.Append(3);
    array.Append(-2.5e-300);
    array.Append(1.0 / 0.0);
    EXPECT_EQ(array.ToString(0), "[0.1,3,-2.5e-300,null]");
}

TEST(JsonValueTest, FieldsKeepInsertionOrderAndASecondSetReplacesInPlace) {
    JsonValue object = JsonValue::Object();
    object.Set("b", 1);
    object.Set("a", 2);
    object.Set("b", 3);
    EXPECT_EQ(object.ToString(0), "{\"b\":3,\"a\":2}");
    EXPECT_EQ(object.Find("a")->AsNumber(), 2);
    EXPECT_EQ(object.Find("c"), nullptr);
    EXPECT_THROW(object.Append(1), std::logic_error);
}

} // namespace
} // namespace Orvik::Inspect
