#include "xml_util/AmbrelBlobExternalFileReader.h"

#include "TempDirectory.h"
#include "orvik/writer/AmbrelAssetFileWriter.h"
#include "orvik/writer/LittleEndianBytes.h"

#include <gtest/gtest.h>

namespace Orvik {
namespace {

using Writer::AmbrelAssetFileWriter;
using Writer::LittleEndianBytes;

class AmbrelBlobExternalFileReaderTest : public ::testing::Test {
protected:
    bool Load(const std::string& bytes, AmbrelSerializedAssetMap& assets,
              AmbrelBlobExternalFileReader** used = nullptr) {
        m_reader = std::make_unique<AmbrelBlobExternalFileReader>(
            UTF16String(m_dir.Write("assets.bin", bytes)));
        if (used)
            *used = m_reader.get();
        return m_reader->LoadAmbrelFromExternalFile(assets);
    }

    TestSupport::TempDirectory m_dir;
    std::unique_ptr<AmbrelBlobExternalFileReader> m_reader;
};

TEST_F(AmbrelBlobExternalFileReaderTest, ReadsEveryAssetAndKeepsTheFirstOfAStyleGivenTwice) {
    const std::string bytes = AmbrelAssetFileWriter()
                                  .AddAsset("s1", std::string("\0\1asset", 7))
                                  .AddAsset("s2", "")
                                  .AddAsset("s1", "later")
                                  .Bytes();
    AmbrelSerializedAssetMap assets;
    AmbrelBlobExternalFileReader* reader = nullptr;
    ASSERT_TRUE(Load(bytes, assets, &reader));
    ASSERT_EQ(assets.size(), 2u);
    EXPECT_EQ(assets.at(UTF8String("s1"))->Bytes(), std::string("\0\1asset", 7));
    EXPECT_EQ(assets.at(UTF8String("s2"))->Bytes(), "");
    EXPECT_EQ(reader->Duplicates(), std::vector<UTF8String>{UTF8String("s1")});
}

// Every cut of a valid file fails without a crash and keeps only whole assets.
TEST_F(AmbrelBlobExternalFileReaderTest, TruncationAtAnyByteFailsAndKeepsWholeAssets) {
    const std::string bytes =
        AmbrelAssetFileWriter().AddAsset("a", "1234").AddAsset("b", "5678").Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        SCOPED_TRACE(size);
        AmbrelSerializedAssetMap assets;
        EXPECT_FALSE(Load(bytes.substr(0, size), assets));
        for (const auto& entry : assets)
            EXPECT_EQ(entry.second->Bytes().size(), 4u);
    }
}

TEST_F(AmbrelBlobExternalFileReaderTest, CountsAndSizesBeyondTheFileFailBeforeAllocating) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"huge count", LittleEndianBytes().U64(1).U64(~0ull).Bytes()},
        {"huge asset size", LittleEndianBytes().U64(1).U64(1).String("s").U64(~0ull).Bytes()},
        {"huge id length", LittleEndianBytes().U64(1).U64(1).U64(1ull << 60).U64(0).Bytes()},
        {"other version", LittleEndianBytes().U64(2).U64(0).Bytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AmbrelSerializedAssetMap assets;
        AmbrelBlobExternalFileReader* reader = nullptr;
        EXPECT_FALSE(Load(c.bytes, assets, &reader));
        EXPECT_TRUE(assets.empty());
        EXPECT_FALSE(reader->Problem().empty());
    }
}

TEST_F(AmbrelBlobExternalFileReaderTest, AMissingFileFails) {
    AmbrelSerializedAssetMap assets;
    AmbrelBlobExternalFileReader reader(UTF16String(m_dir.PathOf("none.bin")));
    EXPECT_FALSE(reader.LoadAmbrelFromExternalFile(assets));
    EXPECT_TRUE(assets.empty());
}

} // namespace
} // namespace Orvik
