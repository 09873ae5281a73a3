#include "xml_util/XMLStrUtil.h"

#include "xml_util/XStr.h"

#include <gtest/gtest.h>
#include <locale>
#include <memory>
#include <optional>
#include <string>

namespace Orvik {
namespace {

// Makes "," the decimal point of the global C++ locale while a test runs.
class CommaDecimalLocale {
public:
    CommaDecimalLocale()
        : previous_(std::locale::global(
              std::locale(std::locale::classic(), std::make_unique<CommaPunct>().release()))) {}
    ~CommaDecimalLocale() { std::locale::global(previous_); }

private:
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale previous_;
};

// Zeros and digits beyond the stack buffer the conversions parse through.
const std::u16string kZeros(300, u'0');
const std::u16string kBlanks(300, u' ');

struct DoubleCase {
    std::u16string text;
    std::optional<double> expected;
};

const DoubleCase kDoubleCases[] = {
    {u"1.5", 1.5},
    {u" -2e3 ", -2000.0},
    {u"\t\r\n+2.5\n", 2.5},
    {u".5", 0.5},
    {u"5.", 5.0},
    {u"1E+2", 100.0},
    {u"4.9e-324", 4.9e-324},
    {kBlanks + u"7" + kBlanks, 7.0},
    {kZeros + u"12.5", 12.5},
    {u"0." + kZeros + u"1e301", 1.0},
    {u"1" + std::u16string(127, u'0'), 1e127},
    {u"1" + std::u16string(128, u'0'), 1e128},
    {u"", std::nullopt},
    {u" \t ", std::nullopt},
    {u"abc", std::nullopt},
    {u"1.5x", std::nullopt},
    {u"1,5", std::nullopt},
    {u"1 2", std::nullopt},
    {u"--1", std::nullopt},
    {u"+", std::nullopt},
    {u"++1", std::nullopt},
    {u"+-1", std::nullopt},
    {u"- 1", std::nullopt},
    {u".", std::nullopt},
    {u"1e", std::nullopt},
    {u"0x10", std::nullopt},
    {u"inf", std::nullopt},
    {u"-Infinity", std::nullopt},
    {u"nan", std::nullopt},
    {u"1e400", std::nullopt},
    {u"-1e400", std::nullopt},
    {u"1e-400", std::nullopt},
    {u"\u00A01", std::nullopt},
    {u"\u0661", std::nullopt},
    {u"1" + kZeros + kZeros, std::nullopt},
    {kZeros + u"1x", std::nullopt},
    {kZeros + u"\uFF11", std::nullopt},
};

TEST(XmlStrUtilNumbers, DoublesNeedTheWholeTrimmedTextToBeAFiniteNumber) {
    for (const DoubleCase& row : kDoubleCases) {
        const std::string shown = UTF16String(row.text.substr(0, 40)).ToUTF8();
        double fromDom = 7.0;
        double fromString = 7.0;
        EXPECT_EQ(XMLStrUtil::XMLStrToDouble(row.text.c_str(), fromDom), row.expected.has_value())
            << shown;
        EXPECT_EQ(XMLStrUtil::XMLStrToDouble(UTF16String(row.text), fromString),
                  row.expected.has_value())
            << shown;
        EXPECT_DOUBLE_EQ(fromDom, row.expected.value_or(7.0)) << shown;
        EXPECT_DOUBLE_EQ(fromString, row.expected.value_or(7.0)) << shown;
    }
    double value = 7.0;
    EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(static_cast<const XMLCh*>(nullptr), value));
    EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(UTF16String(std::u16string(u"1\0", 2)), value));
    EXPECT_EQ(value, 7.0);
}

struct IntCase {
    std::u16string text;
    std::optional<int> expected;
};

const IntCase kIntCases[] = {
    {u"-42", -42},
    {u"+7", 7},
    {u" -7\t", -7},
    {u"007", 7},
    {u"2147483647", 2147483647},
    {u"-2147483648", -2147483647 - 1},
    {kZeros + u"42", 42},
    {u"-" + kZeros + u"1", -1},
    {u"4.2", std::nullopt},
    {u"", std::nullopt},
    {u"   ", std::nullopt},
    {u"2147483648", std::nullopt},
    {u"-2147483649", std::nullopt},
    {u"0x1F", std::nullopt},
    {u"1e3", std::nullopt},
    {u"+-1", std::nullopt},
    {u"7 7", std::nullopt},
    {u"\uFF17", std::nullopt},
    {kZeros + u"1" + kZeros, std::nullopt},
};

TEST(XmlStrUtilNumbers, IntegersAreDecimalAndInRange) {
    for (const IntCase& row : kIntCases) {
        int value = 3;
        EXPECT_EQ(XMLStrUtil::XMLStrToInt(row.text.c_str(), value), row.expected.has_value())
            << UTF16String(row.text.substr(0, 40)).ToUTF8();
        EXPECT_EQ(value, row.expected.value_or(3)) << UTF16String(row.text.substr(0, 40)).ToUTF8();
    }
    int value = 3;
    EXPECT_FALSE(XMLStrUtil::XMLStrToInt(nullptr, value));
    EXPECT_EQ(value, 3);
}

TEST(XmlStrUtilNumbers, DecimalPointIgnoresTheGlobalLocale) {
    CommaDecimalLocale comma;
    double value = 0.0;
    EXPECT_TRUE(XMLStrUtil::XMLStrToDouble(u"0.25", value));
    EXPECT_DOUBLE_EQ(value, 0.25);
    EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(u"0,5", value));
    EXPECT_DOUBLE_EQ(value, 0.25);

    Matrix3d matrix;
    ASSERT_TRUE(XMLStrUtil::GetTransfFromStr("1.5 0 0 0 1 0 0 0 1 0 0 0", matrix));
    EXPECT_DOUBLE_EQ(matrix.At(0, 0), 1.5);
}

TEST(XmlStrUtilNumbers, Flags) {
    int value = 3;
    for (const char16_t* yes : {u"true", u"True", u"TRUE", u"1"}) {
        value = 5;
        EXPECT_TRUE(XMLStrUtil::XMLBooleanStrToInt(yes, value));
        EXPECT_EQ(value, 1);
    }
    for (const char16_t* no : {u"false", u"False", u"FALSE", u"0"}) {
        value = 5;
        EXPECT_TRUE(XMLStrUtil::XMLBooleanStrToInt(no, value));
        EXPECT_EQ(value, 0);
    }
    for (const char16_t* other : {u"", u"yes", u"tRue", u" 1", u"2"}) {
        value = 5;
        EXPECT_FALSE(XMLStrUtil::XMLBooleanStrToInt(other, value));
        EXPECT_EQ(value, 5);
    }
}

TEST(XmlStrUtilText, ConvertsDomTextLosslessly) {
    const char16_t* text = u"Gr\u00FC\u00DFe \u2713 \U0001F600";
    EXPECT_EQ(XMLStrUtil::XMLStrToWStr(text), UTF16String(text));
    EXPECT_EQ(XMLStrUtil::XMLStrToAStr(text).Value(), "Gr\xC3\xBC\xC3\x9F"
                                                      "e \xE2\x9C\x93 \xF0\x9F\x98\x80");
    EXPECT_TRUE(XMLStrUtil::XMLStrToWStr(nullptr).IsEmpty());
    EXPECT_TRUE(XMLStrUtil::XMLStrToAStr(nullptr).IsEmpty());
}

TEST(XmlStrUtilText, XStrTranscodesUtf8) {
    EXPECT_EQ(std::u16string(XStr("/tmp/m\xC3\xB6"
                                  "bel.xml")
                                 .unicodeForm()),
              u"/tmp/m\u00F6bel.xml");
    EXPECT_EQ(std::u16string(XStr(std::string("plain")).unicodeForm()), u"plain");
    EXPECT_EQ(std::u16string(XStr(static_cast<const char*>(nullptr)).unicodeForm()), u"");
}

TEST(XmlStrUtilUnits, AcceptsEnumLiteralAndBareNameExactly) {
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_TRUE(XMLStrUtil::StringToUnitType("kUnitType_Millimeter", unit));
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_TRUE(XMLStrUtil::StringToUnitType("Inch", unit));
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Inch);
    EXPECT_TRUE(XMLStrUtil::StringToUnitType("kUnitType_Millisecond", unit));
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millisecond);

    for (const char* bad :
         {"", "millimeter", "kUnitType_millimeter", "Millimeters", "mm", " Meter"}) {
        unit = UnitTypeEnum::kUnitType_Foot;
        EXPECT_FALSE(XMLStrUtil::StringToUnitType(bad, unit)) << bad;
        EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Foot);
    }
}

TEST(XmlStrUtilVectors, ReadsThreeNumbersAndRefusesZero) {
    UnitVector vector;
    ASSERT_TRUE(XMLStrUtil::ToUnitVector("0, 0, 2", vector));
    EXPECT_EQ(vector, UnitVector(0.0, 0.0, 1.0));
    ASSERT_TRUE(XMLStrUtil::ToUnitVector(" +3 -0\t0 ", vector));
    EXPECT_EQ(vector, UnitVector(1.0, 0.0, 0.0));

    for (const char* bad :
         {"0 0 0", "1 2", "1 2 3 4", "1,,2,3", "1 2 3,", "x y z", "", "+ 1 0 0", "1 +-1 0"}) {
        EXPECT_FALSE(XMLStrUtil::ToUnitVector(bad, vector)) << bad;
        EXPECT_EQ(vector, UnitVector(1.0, 0.0, 0.0));
    }
}

TEST(XmlStrUtilTransforms, SixteenNumbersRowByRow) {
    Matrix3d matrix;
    ASSERT_TRUE(
        XMLStrUtil::GetTransfFromStr("1 2 3 4,5 6 7 8\n9, 10, 11, 12\r\n13 14 15 16", matrix));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_DOUBLE_EQ(matrix.At(row, column), row * 4 + column + 1);
        }
    }
}

TEST(XmlStrUtilTransforms, TwelveNumbersImplyTheLastRow) {
    Matrix3d matrix;
    ASSERT_TRUE(XMLStrUtil::GetTransfFromStr("1 0 0 10 0 1 0 20 0 0 1 30", matrix));
    EXPECT_DOUBLE_EQ(matrix.At(0, 3), 10.0);
    EXPECT_DOUBLE_EQ(matrix.At(2, 3), 30.0);
    EXPECT_DOUBLE_EQ(matrix.At(3, 0), 0.0);
    EXPECT_DOUBLE_EQ(matrix.At(3, 2), 0.0);
    EXPECT_DOUBLE_EQ(matrix.At(3, 3), 1.0);
}

TEST(XmlStrUtilTransforms, AnythingElseLeavesTheMatrix) {
    const Matrix3d identity;
    std::string manyNumbers;
    for (int i = 0; i < 100000; ++i) {
        manyNumbers += "1 ";
    }
    const std::string fifteen = "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0";
    for (const std::string& bad :
         {std::string(), fifteen, fifteen + " 1 2", fifteen.substr(2), fifteen + " x",
          fifteen + " 1,", "," + fifteen + " 1", fifteen + " nan", fifteen + " inf", manyNumbers,
          std::string(1 << 20, '1') + " 2"}) {
        Matrix3d matrix;
        EXPECT_FALSE(XMLStrUtil::GetTransfFromStr(bad, matrix)) << bad.substr(0, 60);
        EXPECT_EQ(matrix, identity);
    }
}

TEST(XmlStrUtilSplit, DropsEmptyPieces) {
    const auto wide = XMLStrUtil::SplitStr(UTF16String(u" a b  c "), u' ');
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[0], UTF16String(u"a"));
    EXPECT_EQ(wide[2], UTF16String(u"c"));
    EXPECT_TRUE(XMLStrUtil::SplitStr(UTF16String(), u' ').empty());

    const auto narrow = XMLStrUtil::SplitStr(UTF8String("id1;;id2;"), ';');
    ASSERT_EQ(narrow.size(), 2u);
    EXPECT_EQ(narrow[1], UTF8String("id2"));
}

TEST(XmlStrUtilBase64, TypeIdSuffixDecidesEncoding) {
    EXPECT_TRUE(XMLStrUtil::NeedBase64Code("Acme:Blob:Base64"));
    EXPECT_TRUE(XMLStrUtil::NeedBase64Code(":Base64"));
    EXPECT_FALSE(XMLStrUtil::NeedBase64Code("Base64"));
    EXPECT_FALSE(XMLStrUtil::NeedBase64Code("Acme:base64"));
    EXPECT_FALSE(XMLStrUtil::NeedBase64Code("Acme:Base64:Text"));
    EXPECT_FALSE(XMLStrUtil::NeedBase64Code(""));
}

} // namespace
} // namespace Orvik
