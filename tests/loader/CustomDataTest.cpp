#include "UniverseFixture.h"
#include "loader/CustomDataReader.h"
#include "orvik/api/Time.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace Orvik::Test {
namespace {

using Writer::XmlDocumentBuilder;
using Attributes = std::vector<std::pair<std::string, std::string>>;

Variant TimeValue(const char* text) {
    Time time;
    EXPECT_TRUE(time.FromString(UTF8String(text)));
    return Variant(time);
}

Variant BlobValue(std::vector<std::uint8_t> bytes) {
    return Variant(Blob(bytes.size(), bytes.data()));
}

Attributes Item(const char* type, const char* key, const char* value) {
    Attributes item{{"Type", type}};
    if (key)
        item.push_back({"Key", key});
    if (value)
        item.push_back({"Value", value});
    return item;
}

Attributes BlobItem(const char* key, const std::string& path, const char* size) {
    Attributes item{{"Type", "8"}, {"Key", key}, {"BlobBufferSize", size}};
    if (!path.empty())
        item.push_back({"Path", path});
    return item;
}

std::string KeyOf(const Attributes& item) {
    for (const auto& [name, value] : item)
        if (name == "Key")
            return value;
    return std::string();
}

using CustomDataTest = UniverseFixture;

// Each item keeps its key; an empty expected value means the key comes without one, and the
// caller's variant is left as it was.
TEST_F(CustomDataTest, EachItemStoresItsTypedValueOrOnlyItsKey) {
    m_dir.Write("blob.bin", std::string("\1\2\3\4\5\6", 6));
    std::filesystem::create_directories(m_dir.Root() / "assets");
    m_dir.Write("assets/whole.bin", "\11\10\7");
    const char* mobel = "M\xC3\xB6"
                        "bel";
    const std::pair<Attributes, Variant> cases[] = {
        {Item("1", "int", "-42"), Variant(-42)},
        {Item("2", "long", "9000000000"), Variant(std::int64_t{9000000000LL})},
        {Item("4", "float", "0.1"), Variant(double(0.1f))},
        {Item("5", "narrow", mobel), Variant(UTF8String(mobel))},
        {Item("6", "wide", mobel), Variant(UTF16String(u"M\u00F6bel"))},
        {Item("7", "time", "2021-03-04T05:06:07Z"), TimeValue("2021-03-04T05:06:07Z")},
        {Item("10", "double", "0.1"), Variant(0.1)},
        // Only three spellings of true.
        {Item("3", "b1", "True"), Variant(true)},
        {Item("3", "b2", "true"), Variant(true)},
        {Item("3", "b3", "TRUE"), Variant(true)},
        {Item("3", "b4", "yes"), Variant(false)},
        {Item("3", "b5", "1"), Variant(false)},
        {Item("3", "b6", "tRUE"), Variant(false)},
        {Item("3", "b7", nullptr), Variant(false)},
        // A repeated key counts twice and keeps the first value.
        {Item("1", "k", "1"), Variant(1)},
        {Item("1", "k", "2"), Variant(1)},
        // An absent key is the empty key, which still takes a value.
        {Item("1", nullptr, "5"), Variant(5)},
        {Item("1", "abc", "abc"), Variant()},
        {Item("1", "overflow", "99999999999"), Variant()},
        {Item("2", "fraction", "1.5"), Variant()},
        {Item("4", "missing", nullptr), Variant()},
        {Item("10", "inf", "1e999"), Variant()},
        {Item("11", "unknown type", "1"), Variant()},
        {Item("0", "zero type", "1"), Variant()},
        // A blob is the start of its side file, and only when that many bytes are there; were a
        // huge announced size allocated, the read would fail with bad_alloc, not skip.
        {BlobItem("head", "blob.bin", "4"), BlobValue({1, 2, 3, 4})},
        {BlobItem("whole", "assets/whole.bin", "3"), BlobValue({9, 8, 7})},
        {BlobItem("absolute", m_dir.PathOf("blob.bin"), "6"), BlobValue({1, 2, 3, 4, 5, 6})},
        {BlobItem("empty", "blob.bin", "0"), BlobValue({})},
        {BlobItem("huge", "blob.bin", "1000000000000000"), Variant()},
        {BlobItem("short", "blob.bin", "7"), Variant()},
        {BlobItem("exponent", "blob.bin", "1e15"), Variant()},
        {BlobItem("negative", "blob.bin", "-1"), Variant()},
        {BlobItem("missing file", "none.bin", "1"), Variant()},
        {BlobItem("no path", "", "0"), Variant()},
        {BlobItem("folder", ".", "0"), Variant()},
    };
    const auto universe = ReadUniverse([&cases](XmlDocumentBuilder& b) {
        b.Open("CustomData");
        for (const auto& c : cases) {
            b.Open("CustomDataItem");
            for (const auto& [name, value] : c.first)
                b.Attribute(name, value);
            b.Close();
        }
        b.Close();
    });
    const std::uint64_t count = std::size(cases);
    ASSERT_EQ(universe->CustomDataCount(), count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto& [item, expected] = cases[i];
        SCOPED_TRACE(KeyOf(item));
        UTF8String key("before");
        Variant value(7);
        EXPECT_EQ(universe->CustomDataAt(i, key, value), !expected.IsEmpty());
        EXPECT_EQ(key, UTF8String(KeyOf(item)));
        EXPECT_TRUE(value == (expected.IsEmpty() ? Variant(7) : expected));
    }
    UTF8String key;
    Variant value;
    try {
        universe->CustomDataAt(count, key, value);
        FAIL() << "index equal to the count was accepted";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector subscript");
    }
}

TEST_F(CustomDataTest, ItemWithoutAnIntegerTypeIsDroppedWhole) {
    const auto universe = ReadUniverse(R"(<CustomData>
        <CustomDataItem Type="x" Key="a" Value="1"/><CustomDataItem Key="b" Value="1"/>
        <CustomDataItem Type="1.0" Key="c" Value="1"/><Item Type="1" Key="d" Value="1"/>
        </CustomData>)");
    EXPECT_EQ(universe->CustomDataCount(), 0u);
}

TEST_F(CustomDataTest, IdSetItemKeepsRepeatsInDocumentOrder) {
    const auto universe = ReadUniverse(R"(<CustomData><CustomDataItem Type="9" Key="ids">
          <ID Value="b"/><ID/><Other Value="x"/><ID Value="a"/><ID Value="b"/></CustomDataItem>
        <CustomDataItem Type="9" Key="none"><ID/></CustomDataItem></CustomData>)");
    ASSERT_EQ(universe->CustomDataCount(), 2u);
    UTF8String key;
    Variant value;
    EXPECT_TRUE(universe->CustomDataAt(0, key, value));
    EXPECT_EQ(value.AsIdSet(), (IdSet{UTF8String("b"), UTF8String("a"), UTF8String("b")}));
    EXPECT_FALSE(universe->CustomDataAt(1, key, value));
}

TEST_F(CustomDataTest, ReaderNeedsUniverseAndElement) {
    XMLUniverse universe(m_context.Context());
    EXPECT_FALSE(CustomDataReader::ReadCustomData(m_context.Context(), &universe, nullptr));
    const auto* element = ParseUniverseElement([](XmlDocumentBuilder&) {});
    EXPECT_FALSE(CustomDataReader::ReadCustomData(m_context.Context(), nullptr, element));
    EXPECT_TRUE(CustomDataReader::ReadCustomData(m_context.Context(), &universe, element));
}

} // namespace
} // namespace Orvik::Test
