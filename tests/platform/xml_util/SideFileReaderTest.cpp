#include "DomParser.h"
#include "PlainObject.h"
#include "TempDirectory.h"
#include "orvik/api/ObjectCollector.h"
#include "orvik/api/Time.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "orvik/writer/PropertyFileWriter.h"
#include "orvik/writer/SubObjectPersistentIdFileWriter.h"
#include "xml_util/PropertyReader.h"
#include "xml_util/SubObjectPersistentIdReader.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik {
namespace {

using Writer::LittleEndianBytes;
using Writer::PropertyFileWriter;
using IdMap = std::map<UTF8String, UTF8String>;

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// One record of object "o1", name "n", int 7: version, record, record count.
const std::string kOneIntRecord = Bytes({0x08, 0x01,                                        //
                                         0x12, 0x09, 0x0a, 0x02, 'o', '1', 0x12, 0x01, 'n', //
                                         0x18, 0x07,                                        //
                                         0x18, 0x01});

// Property and persistent-id files beside the document.
class SideFileReaderTest : public ::testing::Test {
protected:
    std::string WriteBytes(const std::string& bytes) { return temp_.Write("doc.props", bytes); }

    PropertyReader Read(const PropertyFileWriter& writer,
                        const ObjectCollector* collector = nullptr) {
        return Read(WriteBytes(writer.Serialize()), collector);
    }

    static PropertyReader Read(const std::string& path, const ObjectCollector* collector = nullptr,
                               std::uint64_t maxBytes = PropertyReader::kDefaultMaxFileBytes) {
        return PropertyReader(UTF16String(path), collector, maxBytes);
    }

    bool LoadIds(const std::string& bytes) {
        return SubObjectPersistentIdReader::LoadSubObjectPersistentIds(
            UTF16String(temp_.Write("ids.bin", bytes)), table);
    }

    TestSupport::TempDirectory temp_;
    SubObjectPersistentIdTable table;
};

TEST_F(SideFileReaderTest, EveryValueKindSurvivesTheRoundTripInOrderZeroAndEmptyToo) {
    PropertyFileWriter writer;
    writer.AddInt("1", "int", std::numeric_limits<std::int32_t>::min());
    writer.AddLong("1", "long", std::numeric_limits<std::int64_t>::max());
    writer.AddBool("2", "bool", true);
    writer.AddDouble("2", "double", -1.25e-300);
    writer.AddString("3", "string", "plain text");
    writer.AddWString("3", "w\xC3\xA4rme", "\xE6\xB8\xA9\xE5\xBA\xA6 \xF0\x9F\x94\xA5");
    writer.AddTime("4", "time", "2024-03-01T12:30:15+02:00");
    writer.AddBlob("4", "blob", {0x00, 0xFF, 0x00, 0x7F});
    writer.AddIdList("5", "ids", {"10", "11", "10", "12"});
    // Inside a oneof, defaults are still written, so "false" must not read as "no value".
    writer.AddInt("6", "a", 0);
    writer.AddLong("6", "b", 0);
    writer.AddBool("6", "c", false);
    writer.AddDouble("6", "d", 0.0);
    writer.AddString("6", "e", "");
    writer.AddWString("6", "f", "");
    writer.AddBlob("6", "g", {});
    writer.AddIdList("6", "h", {});

    Time time;
    ASSERT_TRUE(time.FromString("2024-03-01T10:30:15Z"));
    const Variant expected[] = {
        // extremes, both text widths, a time read to UTC, bytes, ids without the repeat
        Variant(std::numeric_limits<std::int32_t>::min()),
        Variant(std::numeric_limits<std::int64_t>::max()), Variant(true), Variant(-1.25e-300),
        Variant(UTF8String("plain text")), Variant(UTF16String(u"\u6e29\u5ea6 \U0001F525")),
        Variant(time), Variant(Blob(4, "\x00\xff\x00\x7f")), Variant(IdSet{"10", "11", "12"}),
        // zero and empty values
        Variant(0), Variant(std::int64_t{0}), Variant(false), Variant(0.0), Variant(UTF8String()),
        Variant(UTF16String()), Variant(Blob(0, nullptr)), Variant(IdSet())};

    const PropertyReader reader = Read(writer);

    EXPECT_TRUE(reader.Failure().IsEmpty()) << reader.Failure().Value();
    EXPECT_EQ(reader.SkippedCount(), 0u);
    ASSERT_EQ(reader.PropertyCount(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_TRUE(reader.PropertyAt(i).Value() == expected[i]) << "record " << i;
    EXPECT_EQ(reader.PropertyAt(0).ObjectId(), UTF8String("1"));
    EXPECT_EQ(reader.PropertyAt(0).Name(), UTF16String(u"int"));
    EXPECT_EQ(reader.PropertyAt(5).Name(), UTF16String(u"w\u00e4rme"));
    EXPECT_EQ(reader.PropertyAt(8).ObjectId(), UTF8String("5"));
    EXPECT_THROW(reader.PropertyAt(17), std::out_of_range);
}

TEST_F(SideFileReaderTest, RecordsOfObjectsTheCollectorLacksAreLeftOut) {
    ObjectCollector collector;
    collector.AddObject(std::make_unique<TestSupport::PlainObject>("a"));
    collector.AddObject(std::make_unique<TestSupport::PlainObject>("b"));
    PropertyFileWriter writer;
    writer.AddInt("a", "p1", 1);
    writer.AddInt("ghost", "p2", 2);
    writer.AddInt("b", "p3", 3);
    writer.AddInt("", "p4", 4);
    writer.AddInt("a", "p5", 5);

    const PropertyReader filtered = Read(writer, &collector);
    ASSERT_EQ(filtered.PropertyCount(), 3u);
    EXPECT_EQ(filtered.SkippedCount(), 2u);
    EXPECT_TRUE(filtered.Failure().IsEmpty());
    EXPECT_EQ(filtered.PropertyAt(0).Value().AsInt(), 1);
    EXPECT_EQ(filtered.PropertyAt(1).ObjectId(), UTF8String("b"));
    EXPECT_EQ(filtered.PropertyAt(2).Value().AsInt(), 5);

    const PropertyReader unfiltered = Read(writer);
    EXPECT_EQ(unfiltered.PropertyCount(), 5u);
    EXPECT_EQ(unfiltered.SkippedCount(), 0u);
}

TEST_F(SideFileReaderTest, RecordsWithoutUsableValueAreLeftOutAndTheRestKept) {
    PropertyFileWriter writer;
    writer.AddWithoutValue("1", "none");
    writer.AddTime("1", "bad time", "yesterday");
    writer.AddTime("1", "bad date", "2024-13-45");
    writer.AddInt("1", "kept", 9);
    const PropertyReader reader = Read(writer);
    ASSERT_EQ(reader.PropertyCount(), 1u);
    EXPECT_EQ(reader.PropertyAt(0).Name(), UTF16String(u"kept"));
    EXPECT_EQ(reader.SkippedCount(), 3u);
    EXPECT_TRUE(reader.Failure().IsEmpty());

    // Record "o1" carries only field 100, a value kind of a newer writer.
    const PropertyReader newer =
        Read(WriteBytes(Bytes({0x08, 0x01,                                                     //
                               0x12, 0x07, 0x0a, 0x02, 'o', '1', 0xa0, 0x06, 0x05,             //
                               0x12, 0x09, 0x0a, 0x02, 'o', '2', 0x12, 0x01, 'n',  0x18, 0x07, //
                               0x18, 0x02})));
    EXPECT_TRUE(newer.Failure().IsEmpty()) << newer.Failure().Value();
    ASSERT_EQ(newer.PropertyCount(), 1u);
    EXPECT_EQ(newer.PropertyAt(0).ObjectId(), UTF8String("o2"));
    EXPECT_EQ(newer.SkippedCount(), 1u);
}

TEST_F(SideFileReaderTest, MissingOrEmptyFileGivesNothingAndNoFailure) {
    for (const std::string& path : {temp_.PathOf("absent.props"), std::string(),
                                    WriteBytes(PropertyFileWriter().Serialize())}) {
        SCOPED_TRACE(path);
        const PropertyReader reader = Read(path);
        EXPECT_EQ(reader.PropertyCount(), 0u);
        EXPECT_TRUE(reader.Failure().IsEmpty()) << reader.Failure().Value();
        EXPECT_THROW(reader.PropertyAt(0), std::out_of_range);
    }
}

TEST_F(SideFileReaderTest, FileCutAnywhereIsRefusedWhole) {
    PropertyFileWriter writer;
    writer.AddString("1", "a", "first");
    writer.AddIdList("2", "b", {"x", "y"});
    writer.AddLong("3", "c", 1234567890123);
    const std::string bytes = writer.Serialize();
    ASSERT_EQ(Read(WriteBytes(bytes)).PropertyCount(), 3u);

    // Every cut, including those on record boundaries that protobuf alone would accept.
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const std::string path = WriteBytes(bytes.substr(0, cut));
        const PropertyReader reader = Read(path);
        EXPECT_EQ(reader.PropertyCount(), 0u);
        EXPECT_NE(reader.Failure().Value().find(path), std::string::npos);
    }
}

TEST_F(SideFileReaderTest, MalformedFilesAreRefusedWholeNamingFileAndReason) {
    PropertyFileWriter version2;
    version2.AddInt("1", "a", 1);
    version2.SetFormatVersion(2);
    const struct {
        std::string bytes;
        const char* reason;
        std::uint64_t maxBytes = PropertyReader::kDefaultMaxFileBytes;
    } cases[] = {
        {"this is not a property file", "do not parse"},
        {std::string(64, '\xff'), "do not parse"},
        // A record claiming 4 GiB inside a 9-byte file must fail without allocating for it.
        {Bytes({0x08, 0x01, 0x12, 0xff, 0xff, 0xff, 0xff, 0x0f, 0x00}), "do not parse"},
        // Unknown groups nested deep enough to exhaust a parser that recursed without a bound.
        {Bytes({0x08, 0x01}) + std::string(200000, '\x7b'), "do not parse"},
        {Bytes({0x08, 0x01, 0x12, 0x03, 0x0a, 0x01, 0xff, 0x18, 0x01}), "do not parse"}, // UTF-8
        {Bytes({0x08, 0x01, 0x12, 0x00, 0x18, 0x05}), "records but says 5"},
        {Bytes({0x08, 0x01, 0x12, 0x00}), "record count"},
        {version2.Serialize(), "format version 2"},
        {kOneIntRecord, "more than the limit of 14", 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const std::string path = WriteBytes(c.bytes);
        const PropertyReader reader = Read(path, nullptr, c.maxBytes);
        EXPECT_EQ(reader.PropertyCount(), 0u);
        const std::string& failure = reader.Failure().Value();
        EXPECT_NE(failure.find(path), std::string::npos) << failure;
        EXPECT_NE(failure.find(c.reason), std::string::npos) << failure;
    }
}

// The limit counts every byte of the file, and no more.
TEST_F(SideFileReaderTest, AgreedBytesAreWhatTheWriterMakesAndTheReaderReads) {
    PropertyFileWriter writer;
    writer.AddInt("o1", "n", 7);
    EXPECT_EQ(writer.Serialize(), kOneIntRecord);

    const PropertyReader reader = Read(WriteBytes(kOneIntRecord), nullptr, 15);
    ASSERT_EQ(reader.PropertyCount(), 1u);
    EXPECT_EQ(reader.PropertyAt(0).ObjectId(), UTF8String("o1"));
    EXPECT_EQ(reader.PropertyAt(0).Name(), UTF16String(u"n"));
    EXPECT_EQ(reader.PropertyAt(0).Value().AsInt(), 7);
}

TEST_F(SideFileReaderTest, WriteFailureNamesThePath) {
    const std::string path = temp_.PathOf("no-such-folder/doc.props");
    try {
        PropertyFileWriter().Write(path);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

TEST_F(SideFileReaderTest, PersistentIdFileRoundTripsWhereALaterRecordReplacesAndBadFilesFail) {
    // One object "b" mapping "d" to "p": counts are u64, strings a u64 length and the bytes.
    const std::string bytes =
        LittleEndianBytes().U64(1).String("b").U64(1).String("d").String("p").Bytes();
    Writer::SubObjectPersistentIdFileWriter fixed;
    fixed.AddObject("b", {{"d", "p"}});
    EXPECT_EQ(fixed.Bytes(), bytes);
    ASSERT_TRUE(LoadIds(bytes));
    EXPECT_EQ(table.at(UTF8String("b"))->Ids(), (IdMap{{"d", "p"}}));

    table.clear();
    Writer::SubObjectPersistentIdFileWriter writer;
    writer.AddObject("b1", {{"f1", "P1"}, {"e2", "P2"}});
    writer.AddObject("b2", {});
    writer.AddObject("b1", {{"f9", "P9"}});
    ASSERT_TRUE(LoadIds(writer.Bytes()));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at(UTF8String("b1"))->Ids(), (IdMap{{"f9", "P9"}}));
    EXPECT_EQ(table.at(UTF8String("b2"))->Size(), 0u);

    // Missing, inflated or cut files fail without crashing.
    EXPECT_FALSE(SubObjectPersistentIdReader::LoadSubObjectPersistentIds(
        UTF16String(temp_.PathOf("missing.bin")), table));
    EXPECT_FALSE(LoadIds(LittleEndianBytes().U64(std::uint64_t{1} << 60).Bytes()));
    EXPECT_FALSE(
        LoadIds(LittleEndianBytes().U64(1).String("b").U64(std::uint64_t{1} << 60).Bytes()));

    Writer::SubObjectPersistentIdFileWriter two;
    two.AddObject("b1", {{"f1", "P1"}});
    two.AddObject("b2", {{"f2", "P2"}});
    for (std::size_t size = 0; size < two.Bytes().size(); ++size) {
        table.clear();
        EXPECT_FALSE(LoadIds(two.Bytes().substr(0, size))) << "cut at " << size;
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
