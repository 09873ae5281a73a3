#include "orvik/api/LocaleHelper.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <stdexcept>
#include <string>

namespace Orvik {
namespace {

class MarkedFacet : public std::numpunct<char> {
public:
    MarkedFacet()
        : std::numpunct<char>(1) {} // static lifetime: no locale owns it
};

class LocaleHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        static MarkedFacet facet;
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

} // namespace
} // namespace Orvik
