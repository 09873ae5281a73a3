#include "TempDirectory.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/LocaleHelper.h"
#include "orvik/api/StringUtil.h"
#include "orvik/api/Unicode.h"

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

TEST(StringUtilPaths, BranchPathExtensionAndJoinTakeEitherSeparator) {
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

    // Joined with one separator, unless the name is absolute already.
    const std::tuple<const char16_t*, const char16_t*, const char16_t*> joined[] = {
        {u"/a/b", u"c.bin", u"/a/b/c.bin"},      {u"/a/b/", u"c.bin", u"/a/b/c.bin"},
        {u"C:\\a\\", u"c.bin", u"C:\\a\\c.bin"}, {u"", u"c.bin", u"c.bin"},
        {u"/a", u"/abs/c.bin", u"/abs/c.bin"},   {u"/a", u"D:/c.bin", u"D:/c.bin"}};
    for (const auto& [folder, name, expected] : joined)
        EXPECT_EQ(IOUtil::AppendFilePath(folder, name), UTF16String(expected))
            << UTF16String(folder);
}

TEST(IOUtil, OpensAndDetectsFilesWithNonAsciiNames) {
    const TestSupport::TempDirectory dir;
    const UTF16String directory(dir.Root().string());
    const UTF16String file = IOUtil::AppendFilePath(directory, u"d\u00E9j\u00E0 \U0001F600.bin");

    EXPECT_FALSE(IOUtil::IsFileExisted(file));
    std::FILE* out = IOUtil::OpenFile(file, "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("data", out);
    IOUtil::CloseFile(out);

    EXPECT_TRUE(IOUtil::IsFileExisted(file));
    EXPECT_FALSE(IOUtil::IsFileExisted(directory)) << "a folder is not a file";
    std::FILE* in = IOUtil::OpenFile(file, "rb");
    ASSERT_NE(in, nullptr);
    char buffer[8] = {};
    EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, in), 4u);
    IOUtil::CloseFile(in);
    EXPECT_STREQ(buffer, "data");

    EXPECT_EQ(IOUtil::OpenFile(IOUtil::AppendFilePath(directory, u"missing"), "rb"), nullptr);
    IOUtil::CloseFile(nullptr);
}

class LocaleHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Any facet of its own marks the locale the host had.
        static CommaDecimal facet;
        marked = std::locale(std::locale::classic(), &facet);
        original = std::locale::global(marked);
    }
    void TearDown() override { std::locale::global(original); }

    std::locale marked;
    std::locale original;
};

TEST_F(LocaleHelperTest, EmptyNameMeansClassicAndHelpersUnwindInOrderEvenOnThrow) {
    try {
        const LocaleHelper outer("C");
        const std::locale afterOuter;
        {
            const LocaleHelper inner("");
            EXPECT_TRUE(std::locale() == std::locale::classic());
        }
        EXPECT_TRUE(std::locale() == afterOuter);
        throw std::logic_error("load failed");
    } catch (const std::logic_error&) {
    }
    EXPECT_TRUE(std::locale() == marked);

    EXPECT_THROW(LocaleHelper("no_such_locale.XYZ"), std::runtime_error);
    EXPECT_TRUE(std::locale() == marked) << "an unknown name changes nothing";
}

// A host may set the C library's locale alone; a load must give it back as it found it.
TEST(LocaleHelperCLocaleTest, TheCLibraryLocaleIsRestoredToo) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr)
        GTEST_SKIP() << "the C.UTF-8 locale is not installed";
    { const LocaleHelper classic{UTF8String()}; }
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C.UTF-8");
    std::setlocale(LC_ALL, before.c_str());
}

const std::u16string kReplacement = u"\uFFFD";

TEST(Unicode, TextFromEveryPlaneRoundTripsThroughFunctionsAndStrings) {
    // ASCII, Latin-1, CJK, and a non-BMP emoji and musical symbol needing surrogate pairs.
    const std::string utf8 = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\xF0\x9D\x84\x9E";
    const std::u16string utf16 = u"a\u00E9\u4E2D\U0001F600\U0001D11E";

    EXPECT_EQ(Unicode::Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Unicode::Utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(Unicode::WideToUtf16(Unicode::Utf16ToWide(utf16)), utf16);
    EXPECT_EQ(Unicode::Utf16ToWide(utf16), L"a\u00E9\u4E2D\U0001F600\U0001D11E");
    EXPECT_EQ(Unicode::Utf8ToUtf16("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");

    // The string classes convert through the same functions, both ways.
    const UTF16String wide(u"a\u00E9\u4E2D\U0001F600\U0001D11E");
    EXPECT_EQ(UTF16String(UTF8String(utf8)), wide);
    EXPECT_EQ(UTF8String(wide), UTF8String(utf8));
    EXPECT_EQ(UTF16String(L"a\u00E9\u4E2D\U0001F600\U0001D11E"), wide);
    EXPECT_EQ(UTF8String(L"a\u00E9\u4E2D\U0001F600\U0001D11E"), UTF8String(utf8));
    EXPECT_EQ(wide.ToWide(), L"a\u00E9\u4E2D\U0001F600\U0001D11E");
    EXPECT_EQ(UTF8String(static_cast<const char*>(nullptr)), UTF8String());
    EXPECT_EQ(UTF16String(static_cast<const char16_t*>(nullptr)), UTF16String());
}

TEST(Unicode, MalformedUtf8BecomesReplacementCharactersAndKeepsWhatFollows) {
    const std::u16string r = kReplacement;
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xC0\xAF", r + r},                 // overlong '/'
        {"\xE0\x80\xAF", r + r + r},         // overlong
        {"\xED\xA0\x80", r + r + r},         // encoded surrogate
        {"\xF4\x90\x80\x80", r + r + r + r}, // above U+10FFFF
        {"\xFF", r},
        {"\x80x", r + u"x"}, // stray continuation
        {"a\xE4\xB8", u"a" + r},
        {"\xF0\x9F\x98z", r + u"z"},
        {"\xE4\xB8\xC3\xA9", r + u"\u00E9"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(Unicode::Utf8ToUtf16(bytes), text) << ::testing::PrintToString(bytes);
}

TEST(Unicode, LoneSurrogatesAndWideCodePointsOutsideUnicodeAreReplaced) {
    const std::u16string loneHigh = {u'a', char16_t(0xD83D), u'b'};
    const std::u16string loneLow = {char16_t(0xDE00), u'c'};
    const std::u16string highAtEnd = {u'x', char16_t(0xD83D)};

    EXPECT_EQ(Unicode::Utf16ToUtf8(loneHigh), "a\xEF\xBF\xBD"
                                              "b");
    EXPECT_EQ(Unicode::Utf16ToUtf8(loneLow), "\xEF\xBF\xBD"
                                             "c");
    EXPECT_EQ(Unicode::Utf16ToUtf8(highAtEnd), "x\xEF\xBF\xBD");
    EXPECT_EQ(Unicode::Utf16ToWide(loneLow), L"\uFFFD"
                                             L"c");

    if constexpr (sizeof(wchar_t) == 4) {
        const std::wstring wide = {L'a', static_cast<wchar_t>(0x110000),
                                   static_cast<wchar_t>(0xD800)};
        EXPECT_EQ(Unicode::WideToUtf16(wide), u"a" + kReplacement + kReplacement);
    }
}

TEST(Strings, TrimTakesOnlyAsciiBlanksAtTheEndsAndCompareIsOrdinal) {
    EXPECT_EQ(UTF8String(" \t\r\na b\n ").Trim(), UTF8String("a b"));
    EXPECT_EQ(UTF16String(u" \t x\u00A0 ").Trim(), UTF16String(u"x\u00A0"));
    EXPECT_TRUE(UTF16String(u" \t\r\n").Trim().IsEmpty());
    EXPECT_TRUE(UTF8String().Trim().IsEmpty());

    EXPECT_LT(UTF8String("B").Compare(UTF8String("a")), 0);
    EXPECT_EQ(UTF8String("id").Compare(UTF8String("id")), 0);
    EXPECT_GT(UTF8String("ab").Compare(UTF8String("a")), 0);
    EXPECT_LT(UTF16String(u"B").Compare(UTF16String(u"a")), 0);
    EXPECT_GT(UTF16String(u"\uFFFF").Compare(UTF16String(u"\U0001F600")), 0);
    EXPECT_TRUE(UTF8String("a") < UTF8String("b"));
    EXPECT_FALSE(UTF16String(u"b") < UTF16String(u"a"));
}

} // namespace
} // namespace Orvik
