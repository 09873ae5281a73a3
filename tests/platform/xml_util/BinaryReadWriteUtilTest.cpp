#include "xml_util/BinaryReadWriteUtil.h"

#include "orvik/writer/LittleEndianBytes.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;

std::istringstream Input(const std::string& bytes) {
    return std::istringstream(bytes, std::ios::binary);
}

// 0x0102 as u64, -2.5, the byte 7, the string "abc", then two flags.
const std::string kLayout("\x02\x01\x00\x00\x00\x00\x00\x00"
                          "\x00\x00\x00\x00\x00\x00\x04\xc0"
                          "\x07"
                          "\x03\x00\x00\x00\x00\x00\x00\x00"
                          "abc\x01\x00",
                          30);

TEST(BinaryReadWriteUtilTest, WriterAndReaderAgreeOnTheLittleEndianLayout) {
    std::ostringstream out(std::ios::binary);
    Util::BinaryWrite(out, std::uint64_t{0x0102}, false);
    Util::BinaryWrite(out, -2.5, false);
    Util::BinaryWrite(out, std::uint8_t{7}, false);
    Util::WriteData(out, UTF8String("abc"), false);
    EXPECT_EQ(out.str(), kLayout.substr(0, 28));

    auto in = Input(kLayout);
    std::uint64_t word = 0;
    double number = 0;
    std::uint8_t byte = 0;
    UTF8String text;
    bool first = false;
    bool second = true;
    ASSERT_TRUE(Util::BinaryRead(in, word, false) && Util::BinaryRead(in, number, false) &&
                Util::BinaryRead(in, byte, false) && Util::ReadData(in, text, false) &&
                Util::ReadData(in, first, second, false));
    EXPECT_EQ(word, 0x0102u);
    EXPECT_EQ(number, -2.5);
    EXPECT_EQ(byte, 7);
    EXPECT_EQ(text, UTF8String("abc"));
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(Util::BytesLeft(in), 0u);

    // Written as a big-endian host would lay it out in memory, read back the same way.
    std::ostringstream swapped(std::ios::binary);
    Util::BinaryWrite(swapped, std::uint64_t{0x0102030405060708}, true);
    EXPECT_EQ(swapped.str(), std::string("\x01\x02\x03\x04\x05\x06\x07\x08"));
    auto back = Input(swapped.str());
    ASSERT_TRUE(Util::BinaryRead(back, word, true));
    EXPECT_EQ(word, 0x0102030405060708u);
}

TEST(BinaryReadWriteUtilTest, ReadsFailAtTheEndAndStringsLongerThanTheRest) {
    auto shortWord = Input(std::string("\x01\x02\x03", 3));
    std::uint64_t word = 0;
    EXPECT_FALSE(Util::BinaryRead(shortWord, word, false));
    EXPECT_EQ(Util::BytesLeft(shortWord), 0u);
    auto empty = Input("");
    std::uint8_t byte = 0;
    EXPECT_FALSE(Util::BinaryRead(empty, byte, false));

    // A length one past the text, and one so huge that allocating it would fail.
    for (std::uint64_t length : {std::uint64_t{4}, std::uint64_t{1} << 60}) {
        auto in = Input(Writer::LittleEndianBytes().U64(length).Raw("abc").Bytes());
        UTF8String text("kept");
        EXPECT_FALSE(Util::ReadData(in, text, false)) << length;
        EXPECT_EQ(text, UTF8String("kept"));
    }
}

TEST(BinaryReadWriteUtilTest, CountFitsComparesAgainstBytesLeftWithoutOverflow) {
    EXPECT_TRUE(Util::CountFits(24, 3, 8));
    EXPECT_FALSE(Util::CountFits(23, 3, 8));
    EXPECT_TRUE(Util::CountFits(0, 0, 8));
    EXPECT_FALSE(Util::CountFits(100, std::uint64_t{1} << 62, 8));
    EXPECT_FALSE(Util::CountFits(std::numeric_limits<std::uint64_t>::max(),
                                 std::numeric_limits<std::uint64_t>::max(), 2));

    auto in = Input(std::string(16, '\0'));
    std::uint64_t word = 0;
    Util::BinaryRead(in, word, false);
    EXPECT_EQ(Util::BytesLeft(in), 8u);
    EXPECT_TRUE(Util::CountFits(in, 1, 8));
    EXPECT_FALSE(Util::CountFits(in, 2, 8));
}

} // namespace
} // namespace Orvik
