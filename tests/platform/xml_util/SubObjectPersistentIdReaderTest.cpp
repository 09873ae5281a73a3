#include "xml_util/SubObjectPersistentIdReader.h"

#include "TempDirectory.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "orvik/writer/SubObjectPersistentIdFileWriter.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik {
namespace {

using Writer::LittleEndianBytes;

class SubObjectPersistentIdReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { xercesc::XMLPlatformUtils::Initialize(); }
    static void TearDownTestSuite() { xercesc::XMLPlatformUtils::Terminate(); }

    bool Load(const std::string& bytes) {
        const std::string path = m_dir.PathOf("ids.bin");
        std::ofstream(path, std::ios::binary) << bytes;
        return SubObjectPersistentIdReader::LoadSubObjectPersistentIds(UTF16String(path.c_str()),
                                                                       table);
    }

    const xercesc::DOMElement* Parse(const std::string& xml) {
        m_parser = std::make_unique<xercesc::XercesDOMParser>();
        const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()),
                                                xml.size(), "test");
        m_parser->parse(source);
        return m_parser->getDocument()->getDocumentElement();
    }

    TestSupport::TempDirectory m_dir;
    SubObjectPersistentIdTable table;
    std::unique_ptr<xercesc::XercesDOMParser> m_parser;
};

TEST_F(SubObjectPersistentIdReaderTest, FileRoundTripsAndLaterRecordReplacesEarlier) {
    Writer::SubObjectPersistentIdFileWriter writer;
    writer.AddObject("b1", {{"f1", "P1"}, {"e2", "P2"}});
    writer.AddObject("b2", {});
    writer.AddObject("b1", {{"f9", "P9"}});
    ASSERT_TRUE(Load(writer.Bytes()));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at(UTF8String("b1"))->Ids(),
              (std::map<UTF8String, UTF8String>{{UTF8String("f9"), UTF8String("P9")}}));
    EXPECT_EQ(table.at(UTF8String("b2"))->Size(), 0u);
}

TEST_F(SubObjectPersistentIdReaderTest, FixedBytesOfOneObject) {
    const std::string bytes =
        LittleEndianBytes().U64(1).String("b").U64(1).String("d").String("p").Bytes();
    Writer::SubObjectPersistentIdFileWriter writer;
    writer.AddObject("b", {{"d", "p"}});
    EXPECT_EQ(writer.Bytes(), bytes);
    EXPECT_EQ(bytes.size(), 8u * 5 + 3);
}

TEST_F(SubObjectPersistentIdReaderTest, BadFilesFailWithoutCrashing) {
    EXPECT_FALSE(SubObjectPersistentIdReader::LoadSubObjectPersistentIds(
        UTF16String(m_dir.PathOf("missing.bin").c_str()), table));
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

TEST_F(SubObjectPersistentIdReaderTest, InlineFormSkipsEntriesWithoutDataId) {
    const auto* element = Parse(R"(<IBrep ID="b">
        <SubObjectPersistentIds>
          <Entry DataId="f1" PersistentId="P1"/>
          <Entry DataId="" PersistentId="lost"/>
          <Other DataId="x" PersistentId="y"/>
        </SubObjectPersistentIds>
        <SubObjectPersistentIds><Entry DataId="e1" PersistentId="P2"/></SubObjectPersistentIds>
      </IBrep>)");
    EditableDataIdToPersistentIdMap ids;
    ASSERT_TRUE(SubObjectPersistentIdReader::ReadSubObjectPersistentIdsFromXML(element, ids));
    EXPECT_EQ(ids.Ids(), (std::map<UTF8String, UTF8String>{{UTF8String("e1"), UTF8String("P2")},
                                                           {UTF8String("f1"), UTF8String("P1")}}));
    EXPECT_FALSE(SubObjectPersistentIdReader::ReadSubObjectPersistentIdsFromXML(nullptr, ids));
}

} // namespace
} // namespace Orvik
