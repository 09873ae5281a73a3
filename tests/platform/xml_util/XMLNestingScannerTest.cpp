#include "xml_util/XMLNestingScanner.h"

#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

TEST(XMLNestingScannerTest, CountsOpenElementsOnly) {
    EXPECT_TRUE(XMLNestingScanner::WithinDepth("<a><b><c/></b></a>", 2));
    EXPECT_FALSE(XMLNestingScanner::WithinDepth("<a><b><c></c></b></a>", 2));
    // Closed siblings do not add up.
    EXPECT_TRUE(XMLNestingScanner::WithinDepth("<a><b></b><b></b><b></b></a>", 2));
}

TEST(XMLNestingScannerTest, MarkupThatHoldsNoElementsIsSkipped) {
    EXPECT_TRUE(XMLNestingScanner::WithinDepth(
        "<?xml version='1.0'?><!DOCTYPE a [<!ELEMENT a ANY><!ATTLIST a x CDATA '>'>]>"
        "<a x='<b>' y=\"/>\"><!-- <c><c> --><![CDATA[<d><d>]]><?pi <e>?></a>",
        1));
}

TEST(XMLNestingScannerTest, MalformedTextIsLeftToTheParser) {
    EXPECT_TRUE(XMLNestingScanner::WithinDepth("<!-- never closed <a><a><a>", 1));
    EXPECT_TRUE(XMLNestingScanner::WithinDepth("<a x='unterminated", 0));
    EXPECT_TRUE(XMLNestingScanner::WithinDepth("</a></a><b>", 1));
    EXPECT_TRUE(XMLNestingScanner::WithinDepth("", 0));
}

} // namespace
} // namespace Orvik::Test
