#include "orvik/api/IOUtil.h"

#include "TempDirectory.h"

#include <gtest/gtest.h>

namespace Orvik {
namespace {

TEST(IOUtil, AppendFilePathJoinsWithOneSeparator) {
    EXPECT_EQ(IOUtil::AppendFilePath(u"/a/b", u"c.bin"), UTF16String(u"/a/b/c.bin"));
    EXPECT_EQ(IOUtil::AppendFilePath(u"/a/b/", u"c.bin"), UTF16String(u"/a/b/c.bin"));
    EXPECT_EQ(IOUtil::AppendFilePath(u"C:\\a\\", u"c.bin"), UTF16String(u"C:\\a\\c.bin"));
    EXPECT_EQ(IOUtil::AppendFilePath(u"", u"c.bin"), UTF16String(u"c.bin"));
    EXPECT_EQ(IOUtil::AppendFilePath(u"/a", u"/abs/c.bin"), UTF16String(u"/abs/c.bin"));
    EXPECT_EQ(IOUtil::AppendFilePath(u"/a", u"D:/c.bin"), UTF16String(u"D:/c.bin"));
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

} // namespace
} // namespace Orvik
