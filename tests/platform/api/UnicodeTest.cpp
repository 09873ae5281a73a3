#include "orvik/api/Unicode.h"

#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <gtest/gtest.h>
#include <utility>

namespace Orvik {
namespace {

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
