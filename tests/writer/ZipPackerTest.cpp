#include "TempDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <orvik/writer/ZipPacker.h>
#include <stdexcept>
#include <zip.h>

namespace Orvik::Writer::Test {

using TestSupport::TempDirectory;
namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;

ArchivePtr OpenArchive(const std::string& path) {
    int errorCode = 0;
    ArchivePtr archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &errorCode));
    EXPECT_TRUE(archive) << "libzip error " << errorCode << " opening " << path;
    return archive;
}

struct StoredEntry {
    std::string bytes;
    zip_uint16_t compression;
};

std::optional<StoredEntry> ReadEntry(zip_t* archive, const std::string& name) {
    zip_stat_t stat;
    if (zip_stat(archive, name.c_str(), ZIP_FL_ENC_RAW, &stat) != 0) {
        return std::nullopt;
    }
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen(archive, name.c_str(), ZIP_FL_ENC_RAW);
    if (!file) {
        return std::nullopt;
    }
    const zip_int64_t read = zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    if (read != static_cast<zip_int64_t>(bytes.size())) {
        return std::nullopt;
    }
    return StoredEntry{bytes, stat.comp_method};
}

class ZipPackerTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return directory_.PathOf(name); }

private:
    TempDirectory directory_;
};

TEST_F(ZipPackerTest, RoundTripsBuffersFilesAndDirectories) {
    const std::string binary("\0\x01\xFF payload \0", 12);
    const std::string compressible(100000, 'z');
    const std::string sourcePath = Path("source.bin");
    std::ofstream(sourcePath, std::ios::binary) << binary;

    ZipPacker packer;
    packer.AddBuffer("doc.xml", compressible);
    packer.AddFile("media/source.bin", sourcePath);
    packer.AddDirectory("empty/");
    packer.AddBuffer("zero.txt", "");
    packer.Write(Path("out.zip"));

    ArchivePtr archive = OpenArchive(Path("out.zip"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(zip_get_num_entries(archive.get(), 0), 4);

    const auto document = ReadEntry(archive.get(), "doc.xml");
    ASSERT_TRUE(document);
    EXPECT_EQ(document->bytes, compressible);
    EXPECT_EQ(document->compression, ZIP_CM_DEFLATE);

    const auto media = ReadEntry(archive.get(), "media/source.bin");
    ASSERT_TRUE(media);
    EXPECT_EQ(media->bytes, binary);

    const auto empty = ReadEntry(archive.get(), "zero.txt");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->bytes, "");
    EXPECT_GE(zip_name_locate(archive.get(), "empty/", 0), 0);
}

TEST_F(ZipPackerTest, StoresHostileEntryNamesExactly) {
    const std::vector<std::string> names = {"../evil.txt", "/abs.txt",     "a/../../x",
                                            "C:/x",        "..\\back.txt", "dir//double"};
    ZipPacker packer;
    for (const std::string& name : names) {
        packer.AddBuffer(name, "content of " + name);
    }
    packer.Write(Path("hostile.zip"));

    ArchivePtr archive = OpenArchive(Path("hostile.zip"));
    ASSERT_TRUE(archive);
    for (zip_uint64_t index = 0; index < names.size(); ++index) {
        EXPECT_EQ(zip_get_name(archive.get(), index, ZIP_FL_ENC_RAW), names[index]);
        const auto entry = ReadEntry(archive.get(), names[index]);
        ASSERT_TRUE(entry) << names[index];
        EXPECT_EQ(entry->bytes, "content of " + names[index]);
    }
}

TEST_F(ZipPackerTest, TruncatesAnExistingArchive) {
    ZipPacker first;
    first.AddBuffer("old.txt", "old");
    first.Write(Path("reused.zip"));
    ZipPacker second;
    second.AddBuffer("new.txt", "new");
    second.Write(Path("reused.zip"));

    ArchivePtr archive = OpenArchive(Path("reused.zip"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(zip_get_num_entries(archive.get(), 0), 1);
    EXPECT_LT(zip_name_locate(archive.get(), "old.txt", 0), 0);
}

TEST_F(ZipPackerTest, ReportsFailuresWithTheirPaths) {
    ZipPacker packer;
    const std::string missingSource = Path("absent.bin");
    try {
        packer.AddFile("entry.bin", missingSource);
        FAIL() << "missing source accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missingSource), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("entry.bin"), std::string::npos) << error.what();
    }

    packer.AddBuffer("a.txt", "a");
    const std::string unreachable = Path("no/such/dir/out.zip");
    try {
        packer.Write(unreachable);
        FAIL() << "unwritable target accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(unreachable), std::string::npos) << error.what();
    }
}

TEST_F(ZipPackerTest, RejectsEntriesLibzipCannotRepresent) {
    ZipPacker packer;
    EXPECT_THROW(packer.AddBuffer("", "x"), std::invalid_argument);
    EXPECT_THROW(packer.AddBuffer(std::string("a\0b", 3), "x"), std::invalid_argument);
    EXPECT_THROW(packer.Write(Path("empty.zip")), std::logic_error);

    packer.AddBuffer("same.txt", "1");
    packer.AddBuffer("same.txt", "2");
    try {
        packer.Write(Path("duplicate.zip"));
        FAIL() << "duplicate entry accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("same.txt"), std::string::npos) << error.what();
    }
}

} // namespace
} // namespace Orvik::Writer::Test
