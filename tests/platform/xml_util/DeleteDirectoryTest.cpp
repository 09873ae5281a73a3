#include "TempDirectory.h"
#include "xml_util/XMLUtils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace Orvik {
namespace {

namespace fs = std::filesystem;

UTF16String U16(const fs::path& path) {
    return UTF16String(path.string());
}

TEST(XmlDeleteDirectory, RemovesTreeButNeverFollowsLinks) {
    TestSupport::TempDirectory temp;
    const fs::path outside = temp.Root() / "outside";
    fs::create_directories(outside);
    std::ofstream(outside / "precious.txt") << "keep";

    const fs::path doomed = temp.Root() / "doomed";
    fs::create_directories(doomed / "sub" / "deeper");
    std::ofstream(doomed / "sub" / "deeper" / "file.bin") << "x";
    fs::create_directory_symlink(outside, doomed / "sub" / "link-to-folder");
    fs::create_symlink(outside / "precious.txt", doomed / "link-to-file");

    EXPECT_TRUE(XMLUtils::DeleteDirectory(U16(doomed)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(doomed)));
    std::ifstream precious(outside / "precious.txt");
    std::string content;
    precious >> content;
    EXPECT_EQ(content, "keep");
}

TEST(XmlDeleteDirectory, LinkGivenAsTheFolderIsRemovedAsALink) {
    TestSupport::TempDirectory temp;
    const fs::path target = temp.Root() / "target";
    fs::create_directories(target);
    std::ofstream(target / "kept.txt") << "x";
    fs::create_directory_symlink(target, temp.Root() / "link");

    EXPECT_TRUE(XMLUtils::DeleteDirectory(U16(temp.Root() / "link")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(temp.Root() / "link")));
    EXPECT_TRUE(fs::exists(target / "kept.txt"));
}

TEST(XmlDeleteDirectory, RefusesEmptyRootTempAndMissingPaths) {
    TestSupport::TempDirectory temp;
    EXPECT_FALSE(XMLUtils::DeleteDirectory(UTF16String()));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(UTF16String(u"/")));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(UTF16String(u"//")));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(fs::temp_directory_path())));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(fs::temp_directory_path() / "")));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(temp.Root() / "sub" / "..")));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(temp.Root() / "never-created")));
    EXPECT_TRUE(fs::exists(temp.Root()));
}

TEST(XmlDeleteDirectory, RemovesWhatExtractionMade) {
    TestSupport::TempDirectory temp;
    const fs::path folder = temp.Root() / "extracted" / "";
    fs::create_directories(folder / "side");
    std::ofstream(folder / "side" / "a.bin") << "a";

    EXPECT_TRUE(XMLUtils::DeleteDirectory(U16(folder)));
    EXPECT_FALSE(fs::exists(temp.Root() / "extracted"));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(folder)));
}

} // namespace
} // namespace Orvik
