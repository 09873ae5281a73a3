#include "xml_util/XMLStrUtil.h"

#include "xml_util/XStr.h"

#include <gtest/gtest.h>
#include <locale>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

const std::pair<std::u16string, double> kDoubles[] = {
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
};

const std::u16string kNotDoubles[] = {
    u"",    u" \t ",  u"abc",    u"1.5x",   u"1,5",     u"1 2",   u"--1", u"+",
    u"++1", u"+-1",   u"- 1",    u".",      u"1e",      u"0x10",  u"inf", u"-Infinity",
    u"nan", u"1e400", u"-1e400", u"1e-400", u"\u00A01", u"\u0661"};
const std::u16string kLongNotDoubles[] = {u"1" + kZeros + kZeros, kZeros + u"1x",
                                          kZeros + u"\uFF11"};

void ExpectDouble(const std::u16string& text, std::optional<double> expected) {
    SCOPED_TRACE(UTF16String(text.substr(0, 40)).ToUTF8());
    double fromDom = 7.0;
    double fromString = 7.0;
    EXPECT_EQ(XMLStrUtil::XMLStrToDouble(text.c_str(), fromDom), expected.has_value());
    EXPECT_EQ(XMLStrUtil::XMLStrToDouble(UTF16String(text), fromString), expected.has_value());
    EXPECT_DOUBLE_EQ(fromDom, expected.value_or(7.0));
    EXPECT_DOUBLE_EQ(fromString, expected.value_or(7.0));
}

// The decimal point is "." whatever the global locale says; refused text leaves the target.
TEST(XmlStrUtilNumbers, DoublesNeedTheWholeTrimmedTextToBeAFiniteNumber) {
    CommaDecimalLocale comma;
    for (const auto& [text, value] : kDoubles)
        ExpectDouble(text, value);
    for (const std::u16string& text : kNotDoubles)
        ExpectDouble(text, std::nullopt);
    for (const std::u16string& text : kLongNotDoubles)
        ExpectDouble(text, std::nullopt);
    double value = 7.0;
    EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(static_cast<const XMLCh*>(nullptr), value));
    EXPECT_FALSE(XMLStrUtil::XMLStrToDouble(UTF16String(std::u16string(u"1\0", 2)), value));
    EXPECT_EQ(value, 7.0);
}

const std::pair<std::u16string, int> kInts[] = {
    {u"-42", -42},
    {u"+7", 7},
    {u" -7\t", -7},
    {u"007", 7},
    {u"2147483647", 2147483647},
    {u"-2147483648", -2147483647 - 1},
    {kZeros + u"42", 42},
    {u"-" + kZeros + u"1", -1},
};

const std::u16string kNotInts[] = {
    u"4.2", u"",    u"   ", u"2147483648", u"-2147483649",        u"0x1F",
    u"1e3", u"+-1", u"7 7", u"\uFF17",     kZeros + u"1" + kZeros};

TEST(XmlStrUtilNumbers, IntegersAreDecimalAndInRange) {
    for (const auto& [text, expected] : kInts) {
        int value = 3;
        EXPECT_TRUE(XMLStrUtil::XMLStrToInt(text.c_str(), value)) << UTF16String(text).ToUTF8();
        EXPECT_EQ(value, expected);
    }
    for (const std::u16string& text : kNotInts) {
        int value = 3;
        EXPECT_FALSE(XMLStrUtil::XMLStrToInt(text.c_str(), value))
            << UTF16String(text.substr(0, 40)).ToUTF8();
        EXPECT_EQ(value, 3);
    }
    int value = 3;
    EXPECT_FALSE(XMLStrUtil::XMLStrToInt(nullptr, value));
    EXPECT_EQ(value, 3);
}

// Refused text leaves the target at 5.
TEST(XmlStrUtilNumbers, FlagsTakeOnlyTheirFourSpellingsEach) {
    const std::pair<const char16_t*, int> cases[] = {
        {u"true", 1},  {u"True", 1},  {u"TRUE", 1}, {u"1", 1}, {u"false", 0},
        {u"False", 0}, {u"FALSE", 0}, {u"0", 0},    {u"", 5},  {u"yes", 5},
        {u"tRue", 5},  {u" 1", 5},    {u"2", 5}};
    for (const auto& [text, expected] : cases) {
        int value = 5;
        EXPECT_EQ(XMLStrUtil::XMLBooleanStrToInt(text, value), expected != 5)
            << UTF16String(text).ToUTF8();
        EXPECT_EQ(value, expected) << UTF16String(text).ToUTF8();
    }
}

TEST(XmlStrUtilText, DomTextAndUtf8PathsConvertLosslessly) {
    const char16_t* text = u"Gr\u00FC\u00DFe \u2713 \U0001F600";
    EXPECT_EQ(XMLStrUtil::XMLStrToWStr(text), UTF16String(text));
    EXPECT_EQ(XMLStrUtil::XMLStrToAStr(text).Value(), "Gr\xC3\xBC\xC3\x9F"
                                                      "e \xE2\x9C\x93 \xF0\x9F\x98\x80");
    EXPECT_TRUE(XMLStrUtil::XMLStrToWStr(nullptr).IsEmpty());
    EXPECT_TRUE(XMLStrUtil::XMLStrToAStr(nullptr).IsEmpty());

    EXPECT_EQ(std::u16string(XStr("/tmp/m\xC3\xB6"
                                  "bel.xml")
                                 .unicodeForm()),
              u"/tmp/m\u00F6bel.xml");
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
        EXPECT_FALSE(XMLStrUtil::StringToUnitType(bad, unit)) << bad;
        EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millisecond);
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

std::vector<double> Cells(const Matrix3d& matrix) {
    std::vector<double> cells;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            cells.push_back(matrix.At(row, column));
    return cells;
}

TEST(XmlStrUtilTransforms, SixteenNumbersRowByRowOrTwelveImplyingTheLastRow) {
    CommaDecimalLocale comma;
    const std::pair<const char*, std::vector<double>> cases[] = {
        {"1 2 3 4,5 6 7 8\n9, 10, 11, 12\r\n13 14 15 16",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"1.5 0 0 10 0 1 0 20 0 0 1 30", {1.5, 0, 0, 10, 0, 1, 0, 20, 0, 0, 1, 30, 0, 0, 0, 1}}};
    for (const auto& [text, cells] : cases) {
        Matrix3d matrix;
        ASSERT_TRUE(XMLStrUtil::GetTransfFromStr(text, matrix)) << text;
        EXPECT_EQ(Cells(matrix), cells) << text;
    }
}

TEST(XmlStrUtilTransforms, AnythingElseLeavesTheMatrix) {
    const Matrix3d identity;
    std::string manyNumbers;
    for (int i = 0; i < 100000; ++i)
        manyNumbers += "1 ";
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
    EXPECT_EQ(XMLStrUtil::SplitStr(UTF16String(u" a b  c "), u' '),
              (std::vector<UTF16String>{u"a", u"b", u"c"}));
    EXPECT_TRUE(XMLStrUtil::SplitStr(UTF16String(), u' ').empty());
    EXPECT_EQ(XMLStrUtil::SplitStr(UTF8String("id1;;id2;"), ';'),
              (std::vector<UTF8String>{"id1", "id2"}));
}

TEST(XmlStrUtilBase64, KnownVectorsAndEveryAlphabetEntry) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(XMLStrUtil::ToBase64(plain), encoded);
        EXPECT_EQ(XMLStrUtil::FromBase64(encoded), plain);
    }

    // The values 0 to 63 packed as sextets must give the whole alphabet in order.
    std::string sextets;
    for (int i = 0; i < 64; i += 4)
        sextets += {static_cast<char>(i << 2 | (i + 1) >> 4),
                    static_cast<char>(((i + 1) & 15) << 4 | (i + 2) >> 2),
                    static_cast<char>(((i + 2) & 3) << 6 | (i + 3))};
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    EXPECT_EQ(XMLStrUtil::ToBase64(sextets), alphabet);
    EXPECT_EQ(XMLStrUtil::FromBase64(alphabet), sextets);
}

TEST(XmlStrUtilBase64, RoundTripsEveryByteValueAndLengthWithPaddingOptionalAndBlanksIgnored) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    for (std::size_t length = 0; length <= bytes.size(); length += 37) {
        const std::string slice = bytes.substr(bytes.size() - length);
        std::string decoded = "stale";
        ASSERT_TRUE(XMLStrUtil::FromBase64(XMLStrUtil::ToBase64(slice), decoded));
        EXPECT_EQ(decoded, slice);
    }

    EXPECT_EQ(XMLStrUtil::FromBase64("Zm9vYg"), "foob");
    EXPECT_EQ(XMLStrUtil::FromBase64("Zm9vYmE"), "fooba");
    EXPECT_EQ(XMLStrUtil::FromBase64(" Zm9v\r\n\tYmFy \n"), "foobar");
    EXPECT_EQ(XMLStrUtil::FromBase64("Zm9vYg=\n="), "foob");
}

TEST(XmlStrUtilBase64, InvalidTextAnswersFalseAndEmpty) {
    for (const char* bad :
         {"Zm9v!", "Zm9v-_", "Zm=9v", "Zm9vY", "Zg===", "Zg==Zg==", "=", "Zm9\xC3\xA9"}) {
        std::string decoded = "kept";
        EXPECT_FALSE(XMLStrUtil::FromBase64(bad, decoded)) << bad;
        EXPECT_EQ(decoded, "kept");
        EXPECT_EQ(XMLStrUtil::FromBase64(bad), "");
    }
    std::string withNul("Zm9v\0YmFy", 9);
    std::string decoded;
    EXPECT_FALSE(XMLStrUtil::FromBase64(withNul, decoded));
}

TEST(XmlStrUtilBase64, TypeIdSuffixDecidesEncoding) {
    for (const char* yes : {"Acme:Blob:Base64", ":Base64"})
        EXPECT_TRUE(XMLStrUtil::NeedBase64Code(yes)) << yes;
    for (const char* no : {"Base64", "Acme:base64", "Acme:Base64:Text", ""})
        EXPECT_FALSE(XMLStrUtil::NeedBase64Code(no)) << no;
}

} // namespace
} // namespace Orvik
