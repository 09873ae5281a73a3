#include "xml_util/ZipEntryName.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace Orvik {
namespace {

using Components = std::vector<std::string>;

TEST(ZipEntryName, OrdinaryNamesKeepTheirComponents) {
    const ZipEntryName topLevel("model.xml");
    EXPECT_TRUE(topLevel.IsSafe());
    EXPECT_TRUE(topLevel.IsTopLevel());
    EXPECT_FALSE(topLevel.IsDirectory());

    const ZipEntryName nested("side\\meshes//./part.bin");
    EXPECT_TRUE(nested.IsSafe());
    EXPECT_FALSE(nested.IsTopLevel());
    EXPECT_EQ(nested.Components(), (Components{"side", "meshes", "part.bin"}));
    EXPECT_TRUE(ZipEntryName("side/meshes/").IsDirectory());

    for (const char* fine : {"..data", "a..b.xml", "CONFIG.xml", "console", "COM10", "LPT0.txt",
                             "nullable/x", "./a.xml", "dir/", "side/meshes/"})
        EXPECT_TRUE(ZipEntryName(fine).IsSafe()) << fine;
}

TEST(ZipEntryName, RefusesNamesThatLeaveTheFolderOrNameADevice) {
    const std::string refused[] = {
        // leaving the folder
        "/etc/passwd", "\\evil.txt", "../evil.txt", "a/../../evil.txt", "a\\..\\..\\evil.txt",
        "a/..", "..", "..\\", "C:evil.txt", "C:\\evil.txt", "c:/evil.txt", "dir/file.xml:stream",
        // devices, in any case and place
        "CON", "con.xml", "dir/nul", "Aux.tar.gz", "PRN", "COM1", "com9.log", "LPT1", "lpt9.txt",
        "dir/sub/NUL .txt", "CONIN$", "a/conout$.x", "CON./x",
        // nothing, or a NUL that would cut the name short
        "", ".", std::string("ok.xml\0../../evil", 17)};
    for (const std::string& name : refused) {
        const ZipEntryName entry(name);
        EXPECT_FALSE(entry.IsSafe()) << name;
        EXPECT_FALSE(entry.Problem().empty()) << name;
    }
    EXPECT_EQ(ZipEntryName(std::string("a\0b", 3)).Problem(), "embedded NUL character");
}

} // namespace
} // namespace Orvik
