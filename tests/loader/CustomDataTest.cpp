#include "UniverseFixture.h"
#include "loader/CustomDataReader.h"
#include "orvik/api/Time.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using Writer::XmlDocumentBuilder;
using Attributes = XmlDocumentBuilder::AttributeList;

class CustomDataTest : public UniverseFixture {
protected:
    // One "CustomData" element holding an item per attribute list.
    std::unique_ptr<XMLUniverse> ReadItems(std::initializer_list<Attributes> items) {
        return ReadUniverse([&items](XmlDocumentBuilder& b) {
            b.Open("CustomData");
            for (const Attributes& item : items)
                b.Element("CustomDataItem", item);
            b.Close();
        });
    }

    void WriteSideFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(m_dir.PathOf(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    // The value at the index, or an empty variant when the key has none.
    static Variant ValueAt(const XMLUniverse& universe, std::uint64_t index,
                           UTF8String* key = nullptr) {
        UTF8String itemKey;
        Variant value;
        const bool found = universe.CustomDataAt(index, itemKey, value);
        if (key)
            *key = itemKey;
        EXPECT_EQ(found, !value.IsEmpty());
        return value;
    }
};

TEST_F(CustomDataTest, EachTypeStoresItsKindOfValue) {
    const auto universe = ReadItems({
        {{"Type", "1"}, {"Key", "int"}, {"Value", "-42"}},
        {{"Type", "2"}, {"Key", "long"}, {"Value", "9000000000"}},
        {{"Type", "3"}, {"Key", "bool"}, {"Value", "True"}},
        {{"Type", "5"},
         {"Key", "narrow"},
         {"Value", "M\xC3\xB6"
                   "bel"}},
        {{"Type", "6"},
         {"Key", "wide"},
         {"Value", "M\xC3\xB6"
                   "bel"}},
        {{"Type", "7"}, {"Key", "time"}, {"Value", "2021-03-04T05:06:07Z"}},
        {{"Type", "10"}, {"Key", "double"}, {"Value", "0.1"}},
    });
    ASSERT_EQ(universe->CustomDataCount(), 7u);
    UTF8String key;
    EXPECT_EQ(ValueAt(*universe, 0, &key).AsInt(), -42);
    EXPECT_EQ(key, UTF8String("int"));
    EXPECT_EQ(ValueAt(*universe, 1).AsLong(), 9000000000LL);
    EXPECT_TRUE(ValueAt(*universe, 2).AsBool());
    EXPECT_EQ(ValueAt(*universe, 3).AsString(), UTF8String("M\xC3\xB6"
                                                           "bel"));
    EXPECT_EQ(ValueAt(*universe, 4).AsWString(), UTF16String(u"M\u00F6bel"));
    Time expected;
    ASSERT_TRUE(expected.FromString(UTF8String("2021-03-04T05:06:07Z")));
    EXPECT_EQ(ValueAt(*universe, 5).AsTime(), expected);
    EXPECT_EQ(ValueAt(*universe, 6).AsDouble(), 0.1);
}

TEST_F(CustomDataTest, SinglePrecisionItemHoldsTheWidenedFloat) {
    const auto universe = ReadItems({{{"Type", "4"}, {"Key", "f"}, {"Value", "0.1"}}});
    const double stored = ValueAt(*universe, 0).AsDouble();
    EXPECT_EQ(stored, static_cast<double>(0.1f));
    EXPECT_NE(stored, 0.1);
}

TEST_F(CustomDataTest, BoolIsTrueOnlyForThreeSpellings) {
    const auto universe = ReadItems({
        {{"Type", "3"}, {"Key", "a"}, {"Value", "true"}},
        {{"Type", "3"}, {"Key", "b"}, {"Value", "TRUE"}},
        {{"Type", "3"}, {"Key", "c"}, {"Value", "yes"}},
        {{"Type", "3"}, {"Key", "d"}, {"Value", "1"}},
        {{"Type", "3"}, {"Key", "e"}, {"Value", "tRUE"}},
        {{"Type", "3"}, {"Key", "f"}},
    });
    ASSERT_EQ(universe->CustomDataCount(), 6u);
    EXPECT_TRUE(ValueAt(*universe, 0).AsBool());
    EXPECT_TRUE(ValueAt(*universe, 1).AsBool());
    for (std::uint64_t i = 2; i < 6; ++i)
        EXPECT_FALSE(ValueAt(*universe, i).AsBool()) << i;
}

TEST_F(CustomDataTest, RepeatedKeyCountsTwiceAndKeepsTheFirstValue) {
    const auto universe = ReadItems({
        {{"Type", "1"}, {"Key", "k"}, {"Value", "1"}},
        {{"Type", "1"}, {"Key", "k"}, {"Value", "2"}},
    });
    ASSERT_EQ(universe->CustomDataCount(), 2u);
    UTF8String key;
    EXPECT_EQ(ValueAt(*universe, 0).AsInt(), 1);
    EXPECT_EQ(ValueAt(*universe, 1, &key).AsInt(), 1);
    EXPECT_EQ(key, UTF8String("k"));
}

TEST_F(CustomDataTest, ItemWithoutAnIntegerTypeIsDroppedWhole) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Open("CustomData")
            .Element("CustomDataItem", {{"Type", "x"}, {"Key", "a"}, {"Value", "1"}})
            .Element("CustomDataItem", {{"Key", "b"}, {"Value", "1"}})
            .Element("CustomDataItem", {{"Type", "1.0"}, {"Key", "c"}, {"Value", "1"}})
            .Element("Item", {{"Type", "1"}, {"Key", "d"}, {"Value", "1"}})
            .Close();
    });
    EXPECT_EQ(universe->CustomDataCount(), 0u);
}

TEST_F(CustomDataTest, UnreadableValueKeepsTheKeyWithoutValue) {
    const auto universe = ReadItems({
        {{"Type", "1"}, {"Key", "abc"}, {"Value", "abc"}},
        {{"Type", "1"}, {"Key", "overflow"}, {"Value", "99999999999"}},
        {{"Type", "2"}, {"Key", "fraction"}, {"Value", "1.5"}},
        {{"Type", "4"}, {"Key", "missing"}},
        {{"Type", "10"}, {"Key", "inf"}, {"Value", "1e999"}},
        {{"Type", "11"}, {"Key", "unknown type"}, {"Value", "1"}},
        {{"Type", "0"}, {"Key", "zero type"}, {"Value", "1"}},
        {{"Type", "1"}, {"Value", "5"}},
    });
    ASSERT_EQ(universe->CustomDataCount(), 8u);
    const char* keys[] = {"abc", "overflow",     "fraction", "missing",
                          "inf", "unknown type", "zero type"};
    for (std::uint64_t i = 0; i < 7; ++i) {
        UTF8String key;
        Variant value(7);
        EXPECT_FALSE(universe->CustomDataAt(i, key, value)) << i;
        EXPECT_EQ(key, UTF8String(keys[i]));
        EXPECT_EQ(value.AsInt(), 7) << "value touched at " << i;
    }
    // An absent key is the empty key, which still takes a value.
    UTF8String key("before");
    EXPECT_EQ(ValueAt(*universe, 7, &key).AsInt(), 5);
    EXPECT_TRUE(key.IsEmpty());
}

TEST_F(CustomDataTest, BlobComesFromTheStartOfItsSideFile) {
    WriteSideFile("blob.bin", {1, 2, 3, 4, 5, 6});
    std::filesystem::create_directories(m_dir.Root() / "assets");
    WriteSideFile("assets/whole.bin", {9, 8, 7});
    const std::string absolute = m_dir.PathOf("blob.bin");
    const auto universe = ReadItems({
        {{"Type", "8"}, {"Key", "head"}, {"Path", "blob.bin"}, {"BlobBufferSize", "4"}},
        {{"Type", "8"}, {"Key", "whole"}, {"Path", "assets/whole.bin"}, {"BlobBufferSize", "3"}},
        {{"Type", "8"}, {"Key", "absolute"}, {"Path", absolute}, {"BlobBufferSize", "6"}},
        {{"Type", "8"}, {"Key", "empty"}, {"Path", "blob.bin"}, {"BlobBufferSize", "0"}},
    });
    ASSERT_EQ(universe->CustomDataCount(), 4u);
    EXPECT_EQ(ValueAt(*universe, 0).AsBlob().Bytes(), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(ValueAt(*universe, 1).AsBlob().Bytes(), (std::vector<std::uint8_t>{9, 8, 7}));
    EXPECT_EQ(ValueAt(*universe, 2).AsBlob().Size(), 6u);
    EXPECT_EQ(ValueAt(*universe, 3).AsBlob().Size(), 0u);
}

TEST_F(CustomDataTest, BlobThatCannotBeReadKeepsOnlyItsKey) {
    WriteSideFile("small.bin", {1, 2, 3});
    // Were the announced size allocated, the read would fail with bad_alloc, not skip.
    const auto universe = ReadItems({
        {{"Type", "8"},
         {"Key", "huge"},
         {"Path", "small.bin"},
         {"BlobBufferSize", "1000000000000000"}},
        {{"Type", "8"}, {"Key", "short"}, {"Path", "small.bin"}, {"BlobBufferSize", "4"}},
        {{"Type", "8"}, {"Key", "exponent"}, {"Path", "small.bin"}, {"BlobBufferSize", "1e15"}},
        {{"Type", "8"}, {"Key", "negative"}, {"Path", "small.bin"}, {"BlobBufferSize", "-1"}},
        {{"Type", "8"}, {"Key", "missing file"}, {"Path", "none.bin"}, {"BlobBufferSize", "1"}},
        {{"Type", "8"}, {"Key", "no path"}, {"BlobBufferSize", "0"}},
        {{"Type", "8"}, {"Key", "folder"}, {"Path", "."}, {"BlobBufferSize", "0"}},
    });
    ASSERT_EQ(universe->CustomDataCount(), 7u);
    for (std::uint64_t i = 0; i < 7; ++i) {
        UTF8String key;
        EXPECT_TRUE(ValueAt(*universe, i, &key).IsEmpty()) << key.Value();
    }
}

TEST_F(CustomDataTest, IdSetItemKeepsRepeatsInDocumentOrder) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Open("CustomData");
        b.Open("CustomDataItem").Attribute("Type", "9").Attribute("Key", "ids");
        b.Element("ID", {{"Value", "b"}})
            .Element("ID")
            .Element("Other", {{"Value", "x"}})
            .Element("ID", {{"Value", "a"}})
            .Element("ID", {{"Value", "b"}});
        b.Close();
        b.Open("CustomDataItem").Attribute("Type", "9").Attribute("Key", "none");
        b.Element("ID").Close();
        b.Close();
    });
    ASSERT_EQ(universe->CustomDataCount(), 2u);
    const Variant value = ValueAt(*universe, 0);
    const IdSet& ids = value.AsIdSet();
    ASSERT_EQ(ids.Size(), 3u);
    EXPECT_EQ(ids.At(0), UTF8String("b"));
    EXPECT_EQ(ids.At(1), UTF8String("a"));
    EXPECT_EQ(ids.At(2), UTF8String("b"));
    EXPECT_TRUE(ValueAt(*universe, 1).IsEmpty());
}

TEST_F(CustomDataTest, ReaderNeedsUniverseAndElement) {
    XMLUniverse universe(m_context.Context());
    EXPECT_FALSE(CustomDataReader::ReadCustomData(&universe, nullptr));
    const auto* element = ParseUniverseElement([](XmlDocumentBuilder&) {});
    EXPECT_FALSE(CustomDataReader::ReadCustomData(nullptr, element));
    EXPECT_TRUE(CustomDataReader::ReadCustomData(&universe, element));
}

} // namespace
} // namespace Orvik::Test
