#include "TempDirectory.h"
#include "orvik/api/FileException.h"
#include "orvik/writer/ZipPacker.h"
#include "xml_util/XMLUtils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace Orvik {
namespace {

namespace fs = std::filesystem;

UTF16String U16(const fs::path& path) {
    return UTF16String(path.string());
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

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

    fs::path Extract(const fs::path& archive, const ZipExtractionLimits& limits = {}) {
        UTF16String document;
        XMLUtils::ExtractFromZipFile(U16(archive), U16(Out()), document, limits);
        return fs::path(document.ToUTF8());
    }

    // Extraction must fail with the archive named, and leave nothing but the archive behind.
    void ExpectRefusedLeavingNothing(const fs::path& archive, const std::string& messagePart,
                                     const ZipExtractionLimits& limits = {}) {
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
        if (fs::exists(archive)) {
            expected.insert("in/" + archive.filename().string());
        }
        EXPECT_EQ(temp_.Tree(), expected);
    }

    TestSupport::TempDirectory temp_;
};

TEST_F(ZipExtractionTest, ExtractsNestedFoldersAndAnswersTheDocument) {
    Writer::ZipPacker packer;
    packer.AddBuffer("doc.xml", "<IFile/>");
    packer.AddDirectory("side/");
    packer.AddBuffer("side/deep/more/data.bin", std::string("x\0y", 3));
    packer.AddBuffer("win\\style\\a.bin", "w");
    packer.AddDirectory("empty/");
    packer.Write(Archive().string());

    EXPECT_EQ(Extract(Archive()), Out() / "doc.xml");
    EXPECT_EQ(ReadFile(Out() / "doc.xml"), "<IFile/>");
    EXPECT_EQ(ReadFile(Out() / "side" / "deep" / "more" / "data.bin"), std::string("x\0y", 3));
    EXPECT_EQ(ReadFile(Out() / "win" / "style" / "a.bin"), "w");
    EXPECT_TRUE(fs::is_directory(Out() / "empty"));
}

TEST_F(ZipExtractionTest, PrefersTheTopLevelXmlNamedLikeTheArchive) {
    Writer::ZipPacker packer;
    packer.AddBuffer("a.xml", "a");
    packer.AddBuffer("sub/Model.xml", "nested");
    packer.AddBuffer("model.XML", "named");
    packer.AddBuffer("notes.txt", "n");
    packer.Write(Archive("Model.zip").string());

    EXPECT_EQ(Extract(Archive("Model.zip")), Out() / "model.XML");
}

TEST_F(ZipExtractionTest, OtherwiseTakesTheFirstTopLevelXml) {
    Writer::ZipPacker packer;
    packer.AddBuffer("sub/pack.xml", "nested");
    packer.AddBuffer("b.XML", "b");
    packer.AddBuffer("a.xml", "a");
    packer.Write(Archive("pack.zip").string());

    EXPECT_EQ(Extract(Archive("pack.zip")), Out() / "b.XML");
}

TEST_F(ZipExtractionTest, FolderMayBeGivenWithTrailingSeparator) {
    Writer::ZipPacker packer;
    packer.AddBuffer("side/a.bin", "a");
    packer.AddBuffer("doc.xml", "<IFile/>");
    packer.Write(Archive().string());

    UTF16String document;
    XMLUtils::ExtractFromZipFile(U16(Archive()), U16(Out() / ""), document);
    EXPECT_TRUE(fs::equivalent(fs::path(document.ToUTF8()), Out() / "doc.xml"));
    EXPECT_EQ(ReadFile(Out() / "side" / "a.bin"), "a");
}

TEST_F(ZipExtractionTest, RefusesArchiveWithoutTopLevelXml) {
    Writer::ZipPacker packer;
    packer.AddBuffer("sub/doc.xml", "<IFile/>");
    packer.AddBuffer("xml", "no extension");
    packer.Write(Archive().string());

    ExpectRefusedLeavingNothing(Archive(), "no XML document");
}

TEST_F(ZipExtractionTest, RefusesMissingOrBrokenArchive) {
    ExpectRefusedLeavingNothing(Archive("missing.zip"), "cannot open");
    EXPECT_FALSE(fs::exists(Archive("missing.zip")));

    std::ofstream(Archive("broken.zip"), std::ios::binary) << "PK\x03\x04 not really a zip";
    ExpectRefusedLeavingNothing(Archive("broken.zip"), "cannot open");
}

TEST_F(ZipExtractionTest, EveryHostileNameIsRefusedAndNothingEscapes) {
    const std::string absolute =
        (temp_.Root().parent_path() / (temp_.Root().filename().string() + "-abs.txt")).string();
    for (const std::string& hostile :
         {std::string("../evil.txt"), std::string("side/../../evil.txt"),
          std::string("../../evil.txt"), std::string("..\\evil.txt"),
          std::string("side\\..\\..\\..\\evil.txt"), absolute, std::string("\\evil.txt"),
          std::string("C:evil.txt"), std::string("C:\\evil.txt"), std::string("CON.xml"),
          std::string("side/aux"), std::string("lpt1.txt"), std::string("Com9")}) {
        SCOPED_TRACE(hostile);
        Writer::ZipPacker packer;
        packer.AddBuffer("doc.xml", "<IFile/>");
        packer.AddBuffer("side/ok.bin", "written before the hostile entry");
        packer.AddBuffer(hostile, "evil");
        packer.Write(Archive().string());

        ExpectRefusedLeavingNothing(Archive(), "is refused");
        EXPECT_FALSE(fs::exists(absolute));
        fs::remove(Archive());
    }
}

TEST_F(ZipExtractionTest, ExistingFolderIsNeitherUsedNorRemoved) {
    Writer::ZipPacker packer;
    packer.AddBuffer("doc.xml", "<IFile/>");
    packer.Write(Archive().string());
    fs::create_directories(Out());
    std::ofstream(Out() / "keep.txt") << "mine";

    EXPECT_THROW(Extract(Archive()), FileException);
    EXPECT_EQ(ReadFile(Out() / "keep.txt"), "mine");
    EXPECT_FALSE(fs::exists(Out() / "doc.xml"));
}

TEST_F(ZipExtractionTest, EntryCountLimit) {
    Writer::ZipPacker packer;
    packer.AddBuffer("doc.xml", "<IFile/>");
    packer.AddBuffer("a.bin", "a");
    packer.AddDirectory("dir/");
    packer.Write(Archive().string());

    ExpectRefusedLeavingNothing(Archive(), "3 entries", ZipExtractionLimits{2, 1 << 20});
    EXPECT_EQ(Extract(Archive(), ZipExtractionLimits{3, 1 << 20}), Out() / "doc.xml");
}

TEST_F(ZipExtractionTest, UnpackedSizeLimitCountsRealBytes) {
    constexpr std::uint64_t kOneMiB = 1 << 20;
    Writer::ZipPacker packer;
    packer.AddBuffer("doc.xml", "<IFile/>");
    packer.AddBuffer("zeros.bin", std::string(2 * kOneMiB, '\0'));
    packer.Write(Archive().string());
    ASSERT_LT(fs::file_size(Archive()), 64u * 1024u) << "the entry should compress well";

    ExpectRefusedLeavingNothing(Archive(), "limit", ZipExtractionLimits{100, kOneMiB});
    EXPECT_EQ(Extract(Archive(), ZipExtractionLimits{100, 2 * kOneMiB + 8}), Out() / "doc.xml");
    EXPECT_EQ(fs::file_size(Out() / "zeros.bin"), 2 * kOneMiB);
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

} // namespace
} // namespace Orvik
