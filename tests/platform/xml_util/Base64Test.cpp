#include "xml_util/XMLStrUtil.h"

#include <gtest/gtest.h>
#include <string>

namespace Orvik {
namespace {

TEST(XmlBase64, KnownVectorsAndEveryAlphabetEntry) {
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

TEST(XmlBase64, RoundTripsEveryByteValueAndLengthWithPaddingOptionalAndBlanksIgnored) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes.push_back(static_cast<char>(i));
    }
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

TEST(XmlBase64, InvalidTextAnswersFalseAndEmpty) {
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

} // namespace
} // namespace Orvik
