#include "LoaderFixture.h"
#include "orvik/writer/PropertyFileWriter.h"

#include <vector>

namespace Orvik::Test {
namespace {

class PropertyLoadingTest : public LoaderFixture {
protected:
    static void Document(Writer::XmlDocumentBuilder& b, const char* propertyPath) {
        b.Element("IUniverse");
        if (propertyPath)
            b.Element("PropertyInfo", {{"Path", propertyPath}});
        File(b, "f1", "True");
    }

    static std::vector<Property> PropertiesOf(XMLProducerImpl& context, const char* id) {
        std::vector<Property> properties;
        context.Context().Find(UTF8String(id))->Properties(properties);
        return properties;
    }
};

TEST_F(PropertyLoadingTest, PropertiesBesideTheDocumentReachTheUniverseAndTheirObjects) {
    Writer::PropertyFileWriter writer;
    writer.AddString("f1", "Material", "Steel");
    writer.AddDouble("f1", "Mass", 12.5);
    writer.AddInt("unknown-object", "Ignored", 1);
    writer.Write(m_dir.PathOf("doc.props"));

    XMLProducerImpl& context = Load([](auto& b) { Document(b, nullptr); });
    const PropertyDatabase* database = context.LoadUniverse()->PropertyDatabase();
    ASSERT_EQ(database->PropertyCount(), 2u);
    EXPECT_EQ(database->PropertyAt(0).Name(), UTF16String(u"Material"));
    EXPECT_EQ(database->PropertyAt(1).Value().AsDouble(), 12.5);

    const std::vector<Property> properties = PropertiesOf(context, "f1");
    ASSERT_EQ(properties.size(), 2u);
    EXPECT_EQ(properties[0].Value().AsString(), UTF8String("Steel"));
}

TEST_F(PropertyLoadingTest, PropertyInfoNamesTheFileAndAnEmptyPathKeepsTheDefault) {
    Writer::PropertyFileWriter named;
    named.AddBool("f1", "Named", true);
    named.Write(m_dir.PathOf("named.pb"));
    XMLProducerImpl& context = Load([](auto& b) { Document(b, "named.pb"); });
    EXPECT_EQ(PropertiesOf(context, "f1").size(), 1u);

    Writer::PropertyFileWriter fallback;
    fallback.AddBool("f1", "Default", true);
    fallback.AddBool("f1", "Second", false);
    fallback.Write(m_dir.PathOf("doc.props"));
    XMLProducerImpl& second = Load([](auto& b) { Document(b, ""); });
    EXPECT_EQ(PropertiesOf(second, "f1").size(), 2u);
}

TEST_F(PropertyLoadingTest, CorruptPropertyFileAddsNothingAndTheLoadGoesOn) {
    Writer::PropertyFileWriter writer;
    writer.AddString("f1", "Material", "Steel");
    writer.AddString("f1", "Finish", "Matte");
    const std::string bytes = writer.Serialize();
    m_dir.Write("doc.props", bytes.substr(0, bytes.size() - 3));

    XMLProducerImpl& context = Load([](auto& b) { Document(b, nullptr); });
    EXPECT_EQ(context.LoadUniverse()->PropertyDatabase()->PropertyCount(), 0u);
    EXPECT_TRUE(PropertiesOf(context, "f1").empty());
    EXPECT_EQ(context.RootObjectId().Id(), UTF8String("f1"));
}

TEST_F(PropertyLoadingTest, WithoutUniverseObjectsStillGetTheirProperties) {
    Writer::PropertyFileWriter writer;
    writer.AddLong("f1", "Count", 7);
    writer.Write(m_dir.PathOf("doc.props"));
    XMLProducerImpl& context = Load([](auto& b) { File(b, "f1", "True"); });
    EXPECT_EQ(context.LoadUniverse(), nullptr);
    EXPECT_EQ(PropertiesOf(context, "f1").size(), 1u);
}

} // namespace
} // namespace Orvik::Test
