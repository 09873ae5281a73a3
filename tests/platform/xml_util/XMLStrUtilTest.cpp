#include "xml_util/XMLStrUtil.h"

#include "xml_util/XStr.h"

#include <gtest/gtest.h>
#include <locale>
#include <memory>

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

TEST(XmlStrUtilNumbers, WholeTextMustBeANumber) {
    double value = 0.0;
    EXPECT_TRUE(XMLStrUtil::XMLStrToDouble(u"1.5", value));
    EXPECT_DOUBLE_EQ(value, 1.5);
    EXPECT_TRUE(XMLStrUtil::XMLStrToDouble(UTF16String(u" -2e3 "), value));
    EXPECT_DOUBLE_EQ(value, -2000.0);

    for (const char16_t* bad : {u"", u"abc", u"1.5x", u"1,5", u"--1"}) {
        value = 7.0;
        EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(bad, value)) << UTF16String(bad).ToUTF8();
        EXPECT_EQ(value, 7.0);
    }
    EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(static_cast<const XMLCh*>(nullptr), value));
    EXPECT_EQ(value, 7.0);
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

TEST(XmlStrUtilNumbers, IntegersAndFlags) {
    int value = 3;
    EXPECT_TRUE(XMLStrUtil::XMLStrToInt(u"-42", value));
    EXPECT_EQ(value, -42);
    EXPECT_FALSE(XMLStrUtil::XMLStrToInt(u"4.2", value));
    EXPECT_FALSE(XMLStrUtil::XMLStrToInt(nullptr, value));
    EXPECT_EQ(value, -42);

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
    ASSERT_TRUE(XMLStrUtil::ToUnitVector(" 3 0\t0 ", vector));
    EXPECT_EQ(vector, UnitVector(1.0, 0.0, 0.0));

    for (const char* bad : {"0 0 0", "1 2", "1 2 3 4", "1,,2,3", "1 2 3,", "x y z", ""}) {
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
