#include "orvik/api/StringUtil.h"

#include "orvik/api/LocaleHelper.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace Orvik {
namespace {

using Parts = std::vector<UTF16String>;

TEST(StringUtilNumbers, ParseWholeTextWithSurroundingBlanks) {
    double d = 0;
    EXPECT_TRUE(StringUtil::ToDouble(u" \t-1.25e2\r\n", d));
    EXPECT_EQ(d, -125.0);
    EXPECT_TRUE(StringUtil::ToDouble(u"+.5", d));
    EXPECT_EQ(d, 0.5);

    int i = 0;
    EXPECT_TRUE(StringUtil::ToInt(u" 42 ", i));
    EXPECT_EQ(i, 42);
    EXPECT_TRUE(StringUtil::ToInt(u"-ff", i, 16));
    EXPECT_EQ(i, -255);

    std::int64_t l = 0;
    EXPECT_TRUE(StringUtil::ToLong(u"-9223372036854775808", l));
    EXPECT_EQ(l, std::numeric_limits<std::int64_t>::min());

    std::uint64_t u = 0;
    EXPECT_TRUE(StringUtil::ToUnsignedlong(u"18446744073709551615", u));
    EXPECT_EQ(u, std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(StringUtil::FromUnsignedlong(u), UTF8String("18446744073709551615"));
}

TEST(StringUtilNumbers, FailuresLeaveTheTargetUnchangedAndFloatsRound) {
    const char16_t* const notNumbers[] = {u"",    u"  ",  u"abc",   u"1x",    u"1 2",
                                          u"+",   u"+-1", u"--1",   u"0x10",  u"1,5",
                                          u"inf", u"nan", u"1e999", u"\uFF11"};
    for (const char16_t* text : notNumbers) {
        double d = 7.0;
        EXPECT_FALSE(StringUtil::ToDouble(text, d)) << UTF16String(text).ToUTF8();
        EXPECT_EQ(d, 7.0);
    }

    int i = 7;
    EXPECT_FALSE(StringUtil::ToInt(u"2147483648", i));
    EXPECT_FALSE(StringUtil::ToInt(u"1.0", i));
    EXPECT_FALSE(StringUtil::ToInt(u"10", i, 1)) << "unsupported base";
    EXPECT_FALSE(StringUtil::ToInt(u"10", i, 37));
    EXPECT_EQ(i, 7);

    std::uint64_t u = 7;
    EXPECT_FALSE(StringUtil::ToUnsignedlong(u"-1", u));
    EXPECT_FALSE(StringUtil::ToUnsignedlong(u"18446744073709551616", u));
    EXPECT_EQ(u, 7u);

    float f = 7.0f;
    EXPECT_FALSE(StringUtil::ToFloat(u"1e39", f));
    EXPECT_EQ(f, 7.0f);
    ASSERT_TRUE(StringUtil::ToFloat(u"0.1", f));
    EXPECT_EQ(f, 0.1f) << "rounded to single precision";
    EXPECT_NE(static_cast<double>(f), 0.1);
}

// A decimal comma for C++ streams, for hosts without a comma locale installed.
class CommaDecimal : public std::numpunct<char> {
public:
    CommaDecimal()
        : std::numpunct<char>(1) {} // static lifetime: no locale owns it
protected:
    char do_decimal_point() const override { return ','; }
};

void ExpectDotParses() {
    double d = 0;
    EXPECT_TRUE(StringUtil::ToDouble(u"1.5", d));
    EXPECT_EQ(d, 1.5);
    float f = 0;
    EXPECT_TRUE(StringUtil::ToFloat(u"2.25", f));
    EXPECT_EQ(f, 2.25f);
    EXPECT_FALSE(StringUtil::ToDouble(u"1,5", d));
}

TEST(StringUtilNumbers, DecimalSeparatorIsADotUnderACommaStreamLocale) {
    static CommaDecimal facet;
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), &facet));
    ExpectDotParses();
    std::locale::global(previous);
}

TEST(StringUtilNumbers, DecimalSeparatorIsADotUnderANamedCommaLocale) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        try {
            const LocaleHelper comma(name);
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
            ExpectDotParses();
            return;
        } catch (const std::runtime_error&) {
            // not installed here; try the next one
        }
    }
    GTEST_SKIP() << "no locale with a decimal comma is installed";
}

TEST(StringUtilText, SplitKeepsEmptyPartsAndFileNamesAreMadeSafe) {
    EXPECT_EQ(StringUtil::Split(u"a,,b", u','), (Parts{u"a", u"", u"b"}));
    EXPECT_EQ(StringUtil::Split(u"", u','), (Parts{u""}));
    EXPECT_EQ(StringUtil::Split(u",", u','), (Parts{u"", u""}));
    EXPECT_EQ(StringUtil::Split(u"0,0,1", u','), (Parts{u"0", u"0", u"1"}));
    EXPECT_EQ(StringUtil::ReplaceUnsupportCharacters(u"a<b>c:d\"e/f\\g|h?i*j\tk\u00E9.png"),
              UTF16String(u"a_b_c_d_e_f_g_h_i_j_k\u00E9.png"));
}

TEST(StringUtilPaths, BranchPathAndExtensionTakeEitherSeparator) {
    using Case = std::pair<const char16_t*, const char16_t*>;
    for (const auto& [path, branch] :
         {Case{u"/a/b/c.xml", u"/a/b"}, Case{u"C:\\docs\\c.xml", u"C:\\docs"},
          Case{u"a\\b/c.xml", u"a\\b"}, Case{u"c.xml", u""}, Case{u"/c.xml", u"/"}})
        EXPECT_EQ(StringUtil::ExtractBranchPath(path), UTF16String(branch)) << UTF16String(path);

    const std::tuple<const char16_t*, const char16_t*, const char16_t*> replaced[] = {
        {u"/a/doc.xml", u".bin", u"/a/doc.bin"},    {u"/a/doc.tar.gz", u"zip", u"/a/doc.tar.zip"},
        {u"/a.d/doc", u"bin", u"/a.d/doc.bin"},     {u"C:\\a.d\\doc", u".bin", u"C:\\a.d\\doc.bin"},
        {u"/a/.hidden", u"bin", u"/a/.hidden.bin"}, {u"doc.xml", u"", u"doc"}};
    for (const auto& [path, extension, expected] : replaced)
        EXPECT_EQ(StringUtil::ReplaceExtension(path, extension), UTF16String(expected))
            << UTF16String(path);

    for (const char16_t* path : {u"/x", u"\\x", u"C:\\x", u"c:/x", u"\\\\server\\share"})
        EXPECT_TRUE(StringUtil::IsAbsolutePath(path)) << UTF16String(path);
    for (const char16_t* path : {u"", u"x/y", u"C:x", u"1:/x", u"./x"})
        EXPECT_FALSE(StringUtil::IsAbsolutePath(path)) << UTF16String(path);
}

} // namespace
} // namespace Orvik
