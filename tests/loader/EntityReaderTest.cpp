#include "loader/EntityReader.h"

#include "DomParser.h"
#include "IdLists.h"
#include "loader/ElementWalk.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLObject.h"

#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using TestSupport::Ids;

class EntityReaderTest : public TestSupport::XercesTest {
protected:
    // Reads the element's identity and children; answers the names of the children taken.
    std::vector<std::string> Read(const std::string& xml, const EntityReader::Policy& policy) {
        EntityReader::Targets targets;
        targets.styles = &m_styles;
        targets.materials = &m_materials;
        targets.lengthUnit = &m_length;
        EntityReader reader(m_producer.Context(), m_object, policy, targets);
        const xercesc::DOMElement* element = Parse(xml);
        reader.ReadIdentity(*element);
        std::vector<std::string> taken;
        ElementWalk::ForEachChildElement(*element, [&](const xercesc::DOMElement& child) {
            if (reader.ReadChild(child))
                taken.push_back(UTF8String(UTF16String(child.getNodeName())).Value());
        });
        return taken;
    }

    XMLProducerOptions m_options;
    XMLProducerImpl m_producer{UTF16String("unused.xml"), &m_options};
    XMLObject m_object{UTF8String(), UTF16String()};
    IdSet m_styles;
    IdSet m_materials;
    UnitTypeEnum m_length = UnitTypeEnum::kUnitType_Unknown;
};

TEST_F(EntityReaderTest, TakesOnlyTheChildrenOfItsPolicyInTheirLetterCase) {
    const std::string xml = R"(<IThing ID="t" Label="L" VersionPersistentId="v">
        <styles><StyleRef ID="s1"/></styles>
        <MATERIALS><MaterialRef ID="m1"/></MATERIALS>
        <Unit LengthUnit="kUnitType_Meter"/><ChangeKey/><Animations/></IThing>)";
    struct Case {
        EntityReader::Policy policy;
        std::vector<std::string> taken;
        std::vector<std::string> styles;
        std::vector<std::string> materials;
    };
    const unsigned lists = EntityReader::kStyles | EntityReader::kMaterials;
    for (const Case& c : {
             Case{{lists, 0u}, {}, {}, {}},
             Case{{lists, EntityReader::kStyles}, {"styles"}, {"s1"}, {}},
             Case{{lists, lists}, {"styles", "MATERIALS"}, {"s1"}, {"m1"}},
             Case{{EntityReader::kMaterials, lists}, {"MATERIALS"}, {}, {"m1"}},
             Case{{EntityReader::kUnit | EntityReader::kChangeKey, 0u},
                  {"Unit", "ChangeKey"},
                  {},
                  {}},
         }) {
        m_styles = m_materials = IdSet();
        EXPECT_EQ(Read(xml, c.policy), c.taken);
        EXPECT_EQ(Ids(m_styles), c.styles);
        EXPECT_EQ(Ids(m_materials), c.materials);
    }
    EXPECT_EQ(m_length, UnitTypeEnum::kUnitType_Meter);
    EXPECT_TRUE(m_object.HasChangeKey()) << "an empty change key still counts";
    EXPECT_EQ(m_object.IdRef(), UTF8String("t"));
    EXPECT_EQ(m_object.LabelRef(), UTF16String(u"L"));
}

TEST_F(EntityReaderTest, VersionIdIsReadOnlyForKindsThatKeepIt) {
    UTF8String version;
    Read(R"(<IThing VersionPersistentId="v"/>)", {0u, 0u});
    EXPECT_EQ(m_object.VersionPersistentIdImpl(version), IsValueSpecifiedEnum::kUnspecified);
    Read(R"(<IThing VersionPersistentId="v"/>)", {EntityReader::kVersionPersistentId, 0u});
    EXPECT_EQ(m_object.VersionPersistentIdImpl(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(version, UTF8String("v"));
}

} // namespace
} // namespace Orvik::Test
