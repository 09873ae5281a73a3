#include "TempDirectory.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <orvik/writer/ZipPacker.h>
#include <stdexcept>
#include <zip.h>

namespace Orvik::Writer::Test {
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

// The entry's bytes, and its compression method in the last argument; "<missing>" if absent.
std::string ReadEntry(zip_t* archive, const std::string& name, zip_uint16_t* method = nullptr) {
    zip_stat_t stat;
    if (zip_stat(archive, name.c_str(), ZIP_FL_ENC_RAW, &stat) != 0)
        return "<missing>";
    zip_file_t* file = zip_fopen(archive, name.c_str(), ZIP_FL_ENC_RAW);
    if (!file)
        return "<missing>";
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    if (method)
        *method = stat.comp_method;
    return read == static_cast<zip_int64_t>(bytes.size()) ? bytes : "<short>";
}

class ZipPackerTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return directory_.PathOf(name); }

    TestSupport::TempDirectory directory_;
};

TEST_F(ZipPackerTest, RoundTripsEntriesUnderTheirExactNamesReplacingAnOldArchive) {
    ZipPacker old;
    old.AddBuffer("old.txt", "old");
    old.Write(Path("out.zip"));

    const std::string binary("\0\x01\xFF payload \0", 12);
    const std::string compressible(100000, 'z');
    ZipPacker packer;
    packer.AddBuffer("doc.xml", compressible);
    packer.AddFile("media/source.bin", directory_.Write("source.bin", binary));
    packer.AddDirectory("empty/");
    packer.AddBuffer("zero.txt", "");
    // Names an extractor must refuse are stored exactly, so that it can be tested.
    const std::string hostile[] = {"../evil.txt", "/abs.txt", "a/../../x", "C:/x", "..\\b", "d//e"};
    for (const std::string& name : hostile)
        packer.AddBuffer(name, "content of " + name);
    packer.Write(Path("out.zip"));

    ArchivePtr archive = OpenArchive(Path("out.zip"));
    ASSERT_TRUE(archive);
    EXPECT_EQ(zip_get_num_entries(archive.get(), 0), 10);
    zip_uint16_t method = 0;
    EXPECT_EQ(ReadEntry(archive.get(), "doc.xml", &method), compressible);
    EXPECT_EQ(method, ZIP_CM_DEFLATE);
    EXPECT_EQ(ReadEntry(archive.get(), "media/source.bin"), binary);
    EXPECT_EQ(ReadEntry(archive.get(), "zero.txt"), "");
    EXPECT_GE(zip_name_locate(archive.get(), "empty/", 0), 0);
    EXPECT_LT(zip_name_locate(archive.get(), "old.txt", 0), 0);
    for (zip_uint64_t index = 0; index < std::size(hostile); ++index) {
        EXPECT_EQ(zip_get_name(archive.get(), 4 + index, ZIP_FL_ENC_RAW), hostile[index]);
        EXPECT_EQ(ReadEntry(archive.get(), hostile[index]), "content of " + hostile[index]);
    }
}

TEST_F(ZipPackerTest, RefusesWhatLibzipCannotRepresentAndNamesFailingPaths) {
    ZipPacker packer;
    EXPECT_THROW(packer.AddBuffer("", "x"), std::invalid_argument);
    EXPECT_THROW(packer.AddBuffer(std::string("a\0b", 3), "x"), std::invalid_argument);
    EXPECT_THROW(packer.Write(Path("empty.zip")), std::logic_error);

    // Each message must hold every listed part.
    auto expectMessage = [](auto action, std::initializer_list<std::string> parts) {
        try {
            action();
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& error) {
            for (const std::string& part : parts)
                EXPECT_NE(std::string(error.what()).find(part), std::string::npos) << error.what();
        }
    };
    const std::string missing = Path("absent.bin");
    expectMessage([&] { packer.AddFile("entry.bin", missing); }, {missing, "entry.bin"});
    packer.AddBuffer("same.txt", "1");
    const std::string unreachable = Path("no/such/dir/out.zip");
    expectMessage([&] { packer.Write(unreachable); }, {unreachable});
    packer.AddBuffer("same.txt", "2");
    expectMessage([&] { packer.Write(Path("duplicate.zip")); }, {"same.txt"});
}

} // namespace
} // namespace Orvik::Writer::Test
