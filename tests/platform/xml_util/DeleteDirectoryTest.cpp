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
    fs::create_directories(temp.Root() / "outside");
    std::ofstream(temp.Root() / "outside" / "precious.txt") << "keep";
    const fs::path doomed = temp.Root() / "doomed";
    fs::create_directories(doomed / "sub" / "deeper");
    std::ofstream(doomed / "sub" / "deeper" / "file.bin") << "x";
    fs::create_directory_symlink(temp.Root() / "outside", doomed / "sub" / "link-to-folder");
    fs::create_symlink(temp.Root() / "outside" / "precious.txt", doomed / "link-to-file");

    // Given with a trailing separator, as extraction names its folder.
    EXPECT_TRUE(XMLUtils::DeleteDirectory(U16(doomed / "")));
    EXPECT_EQ(temp.Tree(), (std::set<std::string>{"outside", "outside/precious.txt"}));
    EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(doomed))) << "already gone";

    // A link given as the folder goes as a link.
    fs::create_directory_symlink(temp.Root() / "outside", temp.Root() / "link");
    EXPECT_TRUE(XMLUtils::DeleteDirectory(U16(temp.Root() / "link")));
    EXPECT_EQ(temp.Tree(), (std::set<std::string>{"outside", "outside/precious.txt"}));
}

TEST(XmlDeleteDirectory, RefusesEmptyRootTempAndMissingPaths) {
    TestSupport::TempDirectory temp;
    for (const fs::path& path : {fs::path(), fs::path("/"), fs::path("//"),
                                 fs::temp_directory_path(), fs::temp_directory_path() / "",
                                 temp.Root() / "sub" / "..", temp.Root() / "never-created"})
        EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(path))) << path;
    EXPECT_TRUE(fs::exists(temp.Root()));
}

} // namespace
} // namespace Orvik
