#include "LoaderFixture.h"
#include "hierarchy/XMLFile.h"

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

    static void Custom(Writer::XmlDocumentBuilder& b, const char* type, const char* key,
                       const char* value) {
        b.Open("CustomProperty");
        if (type)
            b.Attribute("Type", type);
        b.Attribute("Key", key).Attribute("Value", value).Close();
    }

    static std::vector<CustomProperty> AllCustom(const FileProperties& properties) {
        std::vector<CustomProperty> all(properties.CustomPropertyCount());
        for (std::uint32_t i = 0; i < all.size(); ++i)
            EXPECT_EQ(properties.CustomPropertyAt(i, all[i]), IsValueSpecifiedEnum::kSpecified);
        return all;
    }
};

TEST_F(FilePropertiesTest, TextPropertiesKeepTheFirstValueAndAnswerUnspecifiedWhenAbsent) {
    const FileProperties* properties = LoadProperties([](auto& b) {
        b.TextElement("Title", "First").TextElement("Title", "Second");
        b.Element("Author");
        b.TextElement("Revision", "C");
        b.Open("viewData").TextElement("UpVector", "0 0 1").Close();
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
}

TEST_F(FilePropertiesTest, UnitsAreSpecifiedWhenPresentEvenIfTheNameIsUnknown) {
    const FileProperties* properties = LoadProperties([](auto& b) {
        b.TextElement("MassUnit", "Fortnight-weight");
        b.TextElement("TimeUnit", "kUnitType_Second");
    });
    ASSERT_NE(properties, nullptr);
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Gram;
    EXPECT_EQ(properties->MassUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Gram);
    EXPECT_EQ(properties->TimeUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Second);
}

TEST_F(FilePropertiesTest, CreationDateIsSpecifiedOnlyWhenItParses) {
    Time date;
    const FileProperties* good =
        LoadProperties([](auto& b) { b.TextElement("CreationDate", "2026-01-15T09:30:00Z"); });
    ASSERT_NE(good, nullptr);
    EXPECT_EQ(good->CreationDate(date), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(date.ToString(), UTF8String("2026-01-15T09:30:00Z"));
    const FileProperties* bad =
        LoadProperties([](auto& b) { b.TextElement("CreationDate", "last tuesday"); });
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->CreationDate(date), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(FilePropertiesTest, CustomPropertiesAreTypedByKindAndUnparsableTimesAreDropped) {
    const FileProperties* properties = LoadProperties([](auto& b) {
        b.Open("CustomProperties");
        Custom(b, "kString", "s", "text");
        Custom(b, "kInt", "i", "42");
        Custom(b, "kDouble", "d", "2.5");
        Custom(b, "kDouble", "bad-d", "abc");
        Custom(b, "kBool", "yes", "True");
        Custom(b, "kBool", "lower", "true");
        Custom(b, "kTime", "t", "2025-03-01");
        Custom(b, "kTime", "never", "not a time");
        Custom(b, nullptr, "untyped", "plain");
        Custom(b, "kColor", "unknown", "red");
        b.Element("Other", {{"Key", "ignored"}});
        b.Close();
    });
    ASSERT_NE(properties, nullptr);
    const std::vector<CustomProperty> all = AllCustom(*properties);
    ASSERT_EQ(all.size(), 9u);
    EXPECT_EQ(all[0].Value().AsWString(), UTF16String(u"text"));
    EXPECT_EQ(all[1].Value().AsInt(), 42);
    EXPECT_EQ(all[2].Value().AsDouble(), 2.5);
    EXPECT_EQ(all[3].Value().AsDouble(), 0.0);
    EXPECT_TRUE(all[4].Value().AsBool());
    EXPECT_FALSE(all[5].Value().AsBool());
    EXPECT_EQ(all[6].Value().AsTime().ToString(), UTF8String("2025-03-01T00:00:00Z"));
    EXPECT_EQ(all[7].Key(), UTF16String(u"untyped"));
    EXPECT_EQ(all[7].Value().AsWString(), UTF16String(u"plain"));
    EXPECT_EQ(all[8].Value().AsWString(), UTF16String(u"red"));

    CustomProperty past;
    EXPECT_EQ(properties->CustomPropertyAt(properties->CustomPropertyCount(), past),
              IsValueSpecifiedEnum::kUnspecified);
    EXPECT_TRUE(past.Value().IsEmpty());
}

TEST_F(FilePropertiesTest, FilesWithoutPropertiesAnswerNullAndALaterElementReplacesAnEarlierOne) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "bare", "True");
        b.Open("IFile").Attribute("ID", "twice");
        b.Open("FileProperties").TextElement("Title", "old").Close();
        b.Open("FileProperties").TextElement("Author", "new").Close();
        b.Close();
    });
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
