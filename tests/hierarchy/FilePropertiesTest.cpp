#include "LoaderFixture.h"
#include "hierarchy/XMLFile.h"

#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

class FilePropertiesTest : public LoaderFixture {
protected:
    using Properties = std::function<void(Writer::XmlDocumentBuilder&)>;

    // The properties of a root file whose "FileProperties" element the function fills.
    const FileProperties* LoadProperties(const Properties& body) {
        XMLProducerImpl& context = Load([&](Writer::XmlDocumentBuilder& b) {
            b.Open("IFile").Attribute("ID", "f").Attribute("IsRoot", "True");
            b.Open("FileProperties");
            body(b);
            b.Close().Close();
        });
        const IFile* file = dynamic_cast<const IFile*>(context.Context().Find(UTF8String("f")));
        return file ? file->FileProperties() : nullptr;
    }
};

// Text keeps the first value; a unit is specified when present even under an unknown name; a
// date only when it parses.
TEST_F(FilePropertiesTest, ValuesAreSpecifiedOnlyWhenPresent) {
    const FileProperties* properties = LoadProperties([](auto& b) {
        b.TextElement("Title", "First").TextElement("Title", "Second");
        b.Element("Author");
        b.TextElement("Revision", "C");
        b.Open("viewData").TextElement("UpVector", "0 0 1").Close();
        b.TextElement("MassUnit", "Fortnight-weight");
        b.TextElement("TimeUnit", "kUnitType_Second");
        b.TextElement("CreationDate", "2026-01-15T09:30:00Z");
    });
    ASSERT_NE(properties, nullptr);
    UTF16String text(u"untouched");
    EXPECT_EQ(properties->Title(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String(u"First"));
    EXPECT_EQ(properties->Author(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(properties->Revision(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String(u"C"));
    text = UTF16String(u"untouched");
    EXPECT_EQ(properties->Organization(text), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(properties->Description(text), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(text, UTF16String(u"untouched"));

    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Gram;
    EXPECT_EQ(properties->MassUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Gram);
    EXPECT_EQ(properties->TimeUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Second);

    Time date;
    EXPECT_EQ(properties->CreationDate(date), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(date.ToString(), UTF8String("2026-01-15T09:30:00Z"));
    const FileProperties* bad =
        LoadProperties([](auto& b) { b.TextElement("CreationDate", "last tuesday"); });
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->CreationDate(date), IsValueSpecifiedEnum::kUnspecified);
}

// An empty expected value marks an item that is dropped.
TEST_F(FilePropertiesTest, CustomPropertiesAreTypedByKindAndUnparsableTimesAreDropped) {
    Time march;
    ASSERT_TRUE(march.FromString(UTF8String("2025-03-01T00:00:00Z")));
    const struct {
        const char* type;
        const char* key;
        const char* value;
        Variant expected;
    } cases[] = {
        {"kString", "s", "text", Variant(UTF16String(u"text"))},
        {"kInt", "i", "42", Variant(42)},
        {"kDouble", "d", "2.5", Variant(2.5)},
        {"kDouble", "bad-d", "abc", Variant(0.0)},
        {"kBool", "yes", "True", Variant(true)},
        {"kBool", "lower", "true", Variant(false)},
        {"kTime", "t", "2025-03-01", Variant(march)},
        {"kTime", "never", "not a time", Variant()},
        {nullptr, "untyped", "plain", Variant(UTF16String(u"plain"))},
        {"kColor", "unknown", "red", Variant(UTF16String(u"red"))},
    };
    const FileProperties* properties = LoadProperties([&cases](auto& b) {
        b.Open("CustomProperties");
        for (const auto& c : cases) {
            b.Open("CustomProperty");
            if (c.type)
                b.Attribute("Type", c.type);
            b.Attribute("Key", c.key).Attribute("Value", c.value).Close();
        }
        b.Element("Other", {{"Key", "ignored"}});
        b.Close();
    });
    ASSERT_NE(properties, nullptr);
    ASSERT_EQ(properties->CustomPropertyCount(), std::size(cases) - 1);
    std::uint32_t index = 0;
    for (const auto& c : cases) {
        if (c.expected.IsEmpty())
            continue;
        SCOPED_TRACE(c.key);
        CustomProperty property;
        EXPECT_EQ(properties->CustomPropertyAt(index++, property),
                  IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(property.Key(), UTF16String(UTF8String(c.key)));
        EXPECT_TRUE(property.Value() == c.expected);
    }
    CustomProperty past;
    EXPECT_EQ(properties->CustomPropertyAt(index, past), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_TRUE(past.Value().IsEmpty());
}

TEST_F(FilePropertiesTest, FilesWithoutPropertiesAnswerNullAndALaterElementReplacesAnEarlierOne) {
    XMLProducerImpl& context = Load(R"(<IFile ID="bare" IsRoot="True"/><IFile ID="twice">
        <FileProperties><Title>old</Title></FileProperties>
        <FileProperties><Author>new</Author></FileProperties></IFile>)");
    const auto* bare = static_cast<XMLFile*>(context.Context().Find(UTF8String("bare")));
    EXPECT_EQ(bare->FileProperties(), nullptr);
    const auto* twice = static_cast<XMLFile*>(context.Context().Find(UTF8String("twice")));
    ASSERT_NE(twice->FileProperties(), nullptr);
    UTF16String text;
    EXPECT_EQ(twice->FileProperties()->Title(text), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(twice->FileProperties()->Author(text), IsValueSpecifiedEnum::kSpecified);
}

} // namespace
} // namespace Orvik::Test
