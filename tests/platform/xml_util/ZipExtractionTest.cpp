#include "TempDirectory.h"
#include "orvik/api/FileException.h"
#include "orvik/writer/ZipPacker.h"
#include "xml_util/XMLUtils.h"
#include "xml_util/ZipEntryName.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace Orvik {
namespace {

namespace fs = std::filesystem;

UTF16String U16(const fs::path& path) {
    return UTF16String(path.string());
}

using TestSupport::ReadFile;

// The archive lies in <temp>/in, the extraction folder is <temp>/a/b/out, so that a name
// climbing one or two levels would land in a place the test inspects.
class ZipExtractionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(temp_.Root() / "in");
        fs::create_directories(temp_.Root() / "a" / "b");
    }

    fs::path Archive(const std::string& name = "archive.zip") const {
        return temp_.Root() / "in" / name;
    }
    fs::path Out() const { return temp_.Root() / "a" / "b" / "out"; }

    // A folder is an entry whose name ends in '/'.
    fs::path Pack(const std::vector<std::pair<std::string, std::string>>& entries,
                  const std::string& name = "archive.zip") const {
        Writer::ZipPacker packer;
        for (const auto& [entry, bytes] : entries) {
            if (!entry.empty() && entry.back() == '/')
                packer.AddDirectory(entry);
            else
                packer.AddBuffer(entry, bytes);
        }
        packer.Write(Archive(name).string());
        return Archive(name);
    }

    fs::path Extract(const fs::path& archive, const XMLDocumentLimits& limits = {}) {
        UTF16String document;
        XMLUtils::ExtractFromZipFile(U16(archive), U16(Out()), document, limits);
        return fs::path(document.ToUTF8());
    }

    // Extraction must fail with the archive named, and leave nothing but the archive behind.
    void ExpectRefusedLeavingNothing(const fs::path& archive, const std::string& messagePart,
                                     const XMLDocumentLimits& limits = {}) {
        try {
            Extract(archive, limits);
            ADD_FAILURE() << "no exception for " << messagePart;
        } catch (const FileException& error) {
            EXPECT_EQ(error.ErrorCode(), 13);
            EXPECT_EQ(error.FileName(), U16(archive));
            EXPECT_NE(std::string(error.what()).find(messagePart), std::string::npos)
                << error.what();
        }
        std::set<std::string> expected{"a", "a/b", "in"};
        if (fs::exists(archive))
            expected.insert("in/" + archive.filename().string());
        EXPECT_EQ(temp_.Tree(), expected);
    }

    TestSupport::TempDirectory temp_;
};

TEST_F(ZipExtractionTest, ExtractsNestedFoldersAndAnswersTheDocument) {
    const fs::path archive = Pack({{"doc.xml", "<IFile/>"},
                                   {"side/", ""},
                                   {"side/deep/more/data.bin", std::string("x\0y", 3)},
                                   {"win\\style\\a.bin", "w"},
                                   {"empty/", ""}});

    EXPECT_EQ(Extract(archive), Out() / "doc.xml");
    EXPECT_EQ(ReadFile(Out() / "doc.xml"), "<IFile/>");
    EXPECT_EQ(ReadFile(Out() / "side" / "deep" / "more" / "data.bin"), std::string("x\0y", 3));
    EXPECT_EQ(ReadFile(Out() / "win" / "style" / "a.bin"), "w");
    EXPECT_TRUE(fs::is_directory(Out() / "empty"));
}

TEST_F(ZipExtractionTest, DocumentIsTheTopLevelXmlNamedLikeTheArchiveElseTheFirst) {
    const fs::path named = Pack(
        {{"a.xml", "a"}, {"sub/Model.xml", "nested"}, {"model.XML", "named"}, {"notes.txt", "n"}},
        "Model.zip");
    EXPECT_EQ(Extract(named), Out() / "model.XML");

    fs::remove_all(Out());
    const fs::path first =
        Pack({{"sub/pack.xml", "nested"}, {"b.XML", "b"}, {"a.xml", "a"}}, "pack.zip");
    // The folder may be given with a trailing separator.
    UTF16String document;
    XMLUtils::ExtractFromZipFile(U16(first), U16(Out() / ""), document);
    EXPECT_TRUE(fs::equivalent(fs::path(document.ToUTF8()), Out() / "b.XML"));
}

TEST_F(ZipExtractionTest, RefusesMissingBrokenOrDocumentlessArchivesAndExistingFolders) {
    ExpectRefusedLeavingNothing(Archive("missing.zip"), "cannot open");
    EXPECT_FALSE(fs::exists(Archive("missing.zip")));

    const fs::path broken = temp_.Write("in/broken.zip", "PK\x03\x04 not really a zip");
    ExpectRefusedLeavingNothing(broken, "cannot open");
    fs::remove(Archive("broken.zip"));

    ExpectRefusedLeavingNothing(Pack({{"sub/doc.xml", "<IFile/>"}, {"xml", "no extension"}}),
                                "no XML document");

    // An existing folder is neither used nor removed.
    const fs::path archive = Pack({{"doc.xml", "<IFile/>"}});
    fs::create_directories(Out());
    std::ofstream(Out() / "keep.txt") << "mine";
    EXPECT_THROW(Extract(archive), FileException);
    EXPECT_EQ(ReadFile(Out() / "keep.txt"), "mine");
    EXPECT_FALSE(fs::exists(Out() / "doc.xml"));
}

TEST_F(ZipExtractionTest, EveryHostileNameIsRefusedAndNothingEscapes) {
    const std::string absolute =
        (temp_.Root().parent_path() / (temp_.Root().filename().string() + "-abs.txt")).string();
    const std::string names[] = {// climbing out, absolute and drive-relative
                                 "../evil.txt", "side/../../evil.txt", "../../evil.txt",
                                 "..\\evil.txt", "side\\..\\..\\..\\evil.txt", absolute,
                                 "\\evil.txt", "C:evil.txt", "C:\\evil.txt",
                                 // devices
                                 "CON.xml", "side/aux", "lpt1.txt", "Com9"};
    for (const std::string& hostile : names) {
        SCOPED_TRACE(hostile);
        ExpectRefusedLeavingNothing(Pack({{"doc.xml", "<IFile/>"},
                                          {"side/ok.bin", "written before the hostile entry"},
                                          {hostile, "evil"}}),
                                    "is refused");
        EXPECT_FALSE(fs::exists(absolute));
        fs::remove(Archive());
    }
}

XMLDocumentLimits ZipLimits(std::uint64_t entries, std::uint64_t bytes, std::uint64_t ratio,
                            std::uint64_t minBytesForRatio) {
    XMLDocumentLimits limits;
    limits.maxZipEntries = entries;
    limits.maxZipUnpackedBytes = bytes;
    limits.maxZipUnpackRatio = ratio;
    limits.minZipBytesForRatio = minBytesForRatio;
    return limits;
}

TEST_F(ZipExtractionTest, EntryCountAndUnpackedSizeLimitsCountRealEntriesAndBytes) {
    constexpr std::uint64_t kOneMiB = 1 << 20;
    constexpr std::uint64_t kNoRatio = 1 << 30;
    const fs::path three = Pack({{"doc.xml", "<IFile/>"}, {"a.bin", "a"}, {"dir/", ""}});
    ExpectRefusedLeavingNothing(three, "3 entries", ZipLimits(2, kOneMiB, kNoRatio, 0));
    EXPECT_EQ(Extract(three, ZipLimits(3, kOneMiB, kNoRatio, 0)), Out() / "doc.xml");

    fs::remove_all(Out());
    const fs::path zeros =
        Pack({{"doc.xml", "<IFile/>"}, {"zeros.bin", std::string(2 * kOneMiB, '\0')}});
    ASSERT_LT(fs::file_size(zeros), 64u * 1024u) << "the entry should compress well";
    ExpectRefusedLeavingNothing(zeros, "maxZipUnpackedBytes", ZipLimits(100, kOneMiB, kNoRatio, 0));
    EXPECT_EQ(Extract(zeros, ZipLimits(100, 2 * kOneMiB + 8, kNoRatio, 0)), Out() / "doc.xml");
    EXPECT_EQ(fs::file_size(Out() / "zeros.bin"), 2 * kOneMiB);
}

// The ratio is taken against the archive's real size, while unpacking: a small archive of
// zeros stops long before its entries are written whole.
TEST_F(ZipExtractionTest, UnpackRatioRefusesASmallArchiveThatUnpacksFar) {
    constexpr std::uint64_t kOneMiB = 1 << 20;
    const fs::path bomb =
        Pack({{"doc.xml", "<IFile/>"}, {"zeros.bin", std::string(8 * kOneMiB, '\0')}});
    const std::uint64_t packed = fs::file_size(bomb);
    ASSERT_LT(packed * 100, 8 * kOneMiB) << "the entry should compress far beyond the ratio";
    ExpectRefusedLeavingNothing(bomb, "maxZipUnpackRatio", ZipLimits(100, 1u << 30, 100, 0));
    // Below the size where the ratio starts to hold, the same archive unpacks.
    EXPECT_EQ(Extract(bomb, ZipLimits(100, 1u << 30, 100, 9 * kOneMiB)), Out() / "doc.xml");

    fs::remove_all(Out());
    std::string varied;
    for (std::uint64_t i = 0; varied.size() < kOneMiB; ++i)
        varied += std::to_string(i * 2654435761u % 1000003u) + ' ';
    const fs::path normal = Pack({{"doc.xml", "<IFile/>"}, {"numbers.txt", varied}}, "normal.zip");
    EXPECT_EQ(Extract(normal, ZipLimits(100, 1u << 30, 100, 0)), Out() / "doc.xml");
    // The defaults leave the ratio aside for archives this small.
    fs::remove_all(Out());
    EXPECT_EQ(Extract(bomb), Out() / "doc.xml");
}

TEST(ZipComposeDirectory, OnlyZipPathsGetAFreshFolder) {
    UTF16String first(u"unchanged");
    UTF16String second(u"unchanged");
    UTF16String document(u"/data/Model.ZiP");
    ASSERT_TRUE(XMLUtils::ComposeZipDirectoryAndXMLFileName(UTF16String(u"/data/Model.ZiP"), first,
                                                            document));
    ASSERT_TRUE(
        XMLUtils::ComposeZipDirectoryAndXMLFileName(UTF16String(u"b.zip"), second, document));
    EXPECT_EQ(document, UTF16String(u"/data/Model.ZiP"));
    EXPECT_NE(first, second);
    for (const UTF16String& folder : {first, second}) {
        const fs::path path(folder.ToUTF8());
        EXPECT_TRUE(fs::equivalent(path.parent_path(), fs::temp_directory_path()));
        EXPECT_EQ(path.filename().string().rfind("orvik-xml-", 0), 0u);
        EXPECT_FALSE(fs::exists(path));
    }

    for (const char16_t* other : {u"/data/model.xml", u"zip", u"/data/a.zip.xml", u""}) {
        UTF16String folder(u"unchanged");
        EXPECT_FALSE(
            XMLUtils::ComposeZipDirectoryAndXMLFileName(UTF16String(other), folder, document));
        EXPECT_EQ(folder, UTF16String(u"unchanged"));
    }
}

TEST(XmlDeleteDirectory, RemovesTreeButNeverFollowsLinksNorTakesRootTempOrMissingPaths) {
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

    // Nor does it take what cannot be a folder of its own.
    for (const fs::path& path : {fs::path(), fs::path("/"), fs::path("//"),
                                 fs::temp_directory_path(), fs::temp_directory_path() / "",
                                 temp.Root() / "sub" / "..", temp.Root() / "never-created"})
        EXPECT_FALSE(XMLUtils::DeleteDirectory(U16(path))) << path;
    EXPECT_TRUE(fs::exists(temp.Root()));
}

TEST(ZipEntryName, OrdinaryNamesKeepTheirComponents) {
    const ZipEntryName topLevel("model.xml");
    EXPECT_TRUE(topLevel.IsSafe());
    EXPECT_TRUE(topLevel.IsTopLevel());
    EXPECT_FALSE(topLevel.IsDirectory());

    const ZipEntryName nested("side\\meshes//./part.bin");
    EXPECT_TRUE(nested.IsSafe());
    EXPECT_FALSE(nested.IsTopLevel());
    EXPECT_EQ(nested.Components(), (std::vector<std::string>{"side", "meshes", "part.bin"}));
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
