#include "orvik/api/LocaleHelper.h"

#include <gtest/gtest.h>
#include <locale>
#include <stdexcept>

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

TEST_F(LocaleHelperTest, EmptyNameMeansClassicAndTheOldLocaleComesBackOnThrow) {
    try {
        const LocaleHelper helper("");
        EXPECT_TRUE(std::locale() == std::locale::classic());
        throw std::logic_error("load failed");
    } catch (const std::logic_error&) {
    }
    EXPECT_TRUE(std::locale() == marked);
}

TEST_F(LocaleHelperTest, NestedHelpersUnwindInOrder) {
    {
        const LocaleHelper outer("C");
        const std::locale afterOuter;
        {
            const LocaleHelper inner("");
            EXPECT_TRUE(std::locale() == std::locale::classic());
        }
        EXPECT_TRUE(std::locale() == afterOuter);
    }
    EXPECT_TRUE(std::locale() == marked);
}

TEST_F(LocaleHelperTest, UnknownNameThrowsAndChangesNothing) {
    EXPECT_THROW(LocaleHelper("no_such_locale.XYZ"), std::runtime_error);
    EXPECT_TRUE(std::locale() == marked);
}

} // namespace
} // namespace Orvik
