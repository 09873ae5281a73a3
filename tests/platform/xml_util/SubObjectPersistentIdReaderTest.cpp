#include "xml_util/SubObjectPersistentIdReader.h"

#include "DomParser.h"
#include "TempDirectory.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "orvik/writer/SubObjectPersistentIdFileWriter.h"

#include <gtest/gtest.h>

namespace Orvik {
namespace {

using Writer::LittleEndianBytes;
using IdMap = std::map<UTF8String, UTF8String>;

class SubObjectPersistentIdReaderTest : public ::testing::Test {
protected:
    bool Load(const std::string& bytes) {
        return SubObjectPersistentIdReader::LoadSubObjectPersistentIds(
            UTF16String(m_dir.Write("ids.bin", bytes)), table);
    }

    TestSupport::TempDirectory m_dir;
    SubObjectPersistentIdTable table;
};

TEST_F(SubObjectPersistentIdReaderTest, FixedBytesAndRoundTripWhereALaterRecordReplaces) {
    // One object "b" mapping "d" to "p": counts are u64, strings a u64 length and the bytes.
    const std::string bytes =
        LittleEndianBytes().U64(1).String("b").U64(1).String("d").String("p").Bytes();
    ASSERT_EQ(bytes.size(), 8u * 5 + 3);
    Writer::SubObjectPersistentIdFileWriter fixed;
    fixed.AddObject("b", {{"d", "p"}});
    EXPECT_EQ(fixed.Bytes(), bytes);
    ASSERT_TRUE(Load(bytes));
    EXPECT_EQ(table.at(UTF8String("b"))->Ids(), (IdMap{{"d", "p"}}));

    table.clear();
    Writer::SubObjectPersistentIdFileWriter writer;
    writer.AddObject("b1", {{"f1", "P1"}, {"e2", "P2"}});
    writer.AddObject("b2", {});
    writer.AddObject("b1", {{"f9", "P9"}});
    ASSERT_TRUE(Load(writer.Bytes()));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at(UTF8String("b1"))->Ids(), (IdMap{{"f9", "P9"}}));
    EXPECT_EQ(table.at(UTF8String("b2"))->Size(), 0u);
}

TEST_F(SubObjectPersistentIdReaderTest, BadFilesFailWithoutCrashing) {
    EXPECT_FALSE(SubObjectPersistentIdReader::LoadSubObjectPersistentIds(
        UTF16String(m_dir.PathOf("missing.bin")), table));
    EXPECT_FALSE(Load(LittleEndianBytes().U64(std::uint64_t{1} << 60).Bytes()));
    EXPECT_FALSE(Load(LittleEndianBytes().U64(1).String("b").U64(std::uint64_t{1} << 60).Bytes()));

    Writer::SubObjectPersistentIdFileWriter writer;
    writer.AddObject("b1", {{"f1", "P1"}});
    writer.AddObject("b2", {{"f2", "P2"}});
    const std::string bytes = writer.Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        table.clear();
        EXPECT_FALSE(Load(bytes.substr(0, size))) << "cut at " << size;
        EXPECT_LE(table.size(), 1u);
    }
}

TEST(SubObjectPersistentIdXmlTest, InlineFormSkipsEntriesWithoutDataId) {
    TestSupport::DomParser dom;
    const auto* element = dom.Parse(R"(<IBrep ID="b">
        <SubObjectPersistentIds>
          <Entry DataId="f1" PersistentId="P1"/>
          <Entry DataId="" PersistentId="lost"/>
          <Other DataId="x" PersistentId="y"/>
        </SubObjectPersistentIds>
        <SubObjectPersistentIds><Entry DataId="e1" PersistentId="P2"/></SubObjectPersistentIds>
      </IBrep>)");
    EditableDataIdToPersistentIdMap ids;
    ASSERT_TRUE(SubObjectPersistentIdReader::ReadSubObjectPersistentIdsFromXML(element, ids));
    EXPECT_EQ(ids.Ids(), (IdMap{{"e1", "P2"}, {"f1", "P1"}}));
    EXPECT_FALSE(SubObjectPersistentIdReader::ReadSubObjectPersistentIdsFromXML(nullptr, ids));
}

} // namespace
} // namespace Orvik
