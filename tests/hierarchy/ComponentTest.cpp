#include "LoaderFixture.h"
#include "hierarchy/XMLPart.h"
#include "orvik/api/IComponent.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using Builder = Writer::XmlDocumentBuilder;
using U = UnitTypeEnum;

// Assemblies and parts read the same identity, references and sets.
class ComponentTest : public LoaderFixture {
protected:
    IComponent* ComponentOf(const std::string& id) {
        return dynamic_cast<IComponent*>(m_context->Context().Find(UTF8String(id)));
    }

    // Each unit must answer specified.
    static std::vector<U> Units(const IUnit& unit) {
        std::vector<U> units(3, U::kUnitType_Mile);
        EXPECT_EQ(unit.LengthUnit(units[0]), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(unit.DisplayAngleUnit(units[1]), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(unit.DisplayLengthUnit(units[2]), IsValueSpecifiedEnum::kSpecified);
        return units;
    }
};

TEST_F(ComponentTest, IdentityReferencesSetsAndPropertiesAreRead) {
    for (const char* kind : {"IAssembly", "IPart"}) {
        SCOPED_TRACE(kind);
        std::string markup = R"(<KIND ID="c" Label="Frame" VersionPersistentId="v7"
              IsSingleUnderRoot="1"><ChangeKey>k1</ChangeKey><Styles><StyleRef ID="s1"/></Styles>
            <Materials><MaterialRef ID="m1"/><MaterialRef ID="m1"/></Materials>
            <AttributeSet><MaterialSet><IMaterial ID="m2"/></MaterialSet>
              <LightSet><ILight ID="l1" Label="Sun"/></LightSet></AttributeSet>
            <ExtensionData TypeId="vendor:t" Content="payload"/>
            <FileProperties><Title>Frame title</Title></FileProperties></KIND>
            <KIND ID="two" IsSingleUnderRoot="2"/><KIND Label="without id"/>)";
        for (std::size_t at; (at = markup.find("KIND")) != std::string::npos;)
            markup.replace(at, 4, kind);
        Load(markup);
        // The two components, the material made in place and the light of the light set.
        EXPECT_EQ(m_context->Collector()->Size(), 4u);
        const IComponent* component = ComponentOf("c");
        ASSERT_NE(component, nullptr);
        EXPECT_EQ(component->Label(), UTF16String(u"Frame"));
        UTF8String version;
        EXPECT_EQ(component->VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(version, UTF8String("v7"));
        UTF16String text;
        EXPECT_EQ(component->ChangeKey(text), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(text, UTF16String(u"k1"));
        EXPECT_TRUE(component->IsSingleUnderRoot());
        EXPECT_EQ(component->Styles(), (IdSet{UTF8String("s1")}));
        EXPECT_EQ(component->Materials(), (IdSet{UTF8String("m1")}));
        EXPECT_EQ(component->MaterialSet(), (IdSet{UTF8String("m2")}));
        EXPECT_EQ(component->LightSet(), (IdSet{UTF8String("l1")}));
        ExtensionDataContent extension;
        EXPECT_EQ(component->ExtensionDataByTypeId(UTF8String("vendor:t"), extension),
                  IsValueSpecifiedEnum::kSpecified);
        ASSERT_NE(component->FileProperties(), nullptr);
        EXPECT_EQ(component->FileProperties()->Title(text), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(text, UTF16String(u"Frame title"));

        const IComponent* two = ComponentOf("two");
        ASSERT_NE(two, nullptr);
        EXPECT_FALSE(two->IsSingleUnderRoot());
        EXPECT_EQ(two->FileProperties(), nullptr);
    }
}

// "Unit" wins over "UnitAndTolerance", of which only the first counts; assemblies take its name
// in any letter case, parts only exactly.
TEST_F(ComponentTest, UnitsComeFromUnitElseFromTheFirstUnitAndTolerance) {
    const std::vector<U> unknown(3, U::kUnitType_Unknown);
    const struct {
        const char* id;
        std::function<void(Builder&)> children;
        std::vector<U> units;
        bool partsToo = true;
    } cases[] = {
        {"none", [](Builder&) {}, unknown},
        {"unit wins",
         [](Builder& b) {
             b.Element("UnitAndTolerance", {{"LengthUnit", "kUnitType_Meter"}});
             b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                                {"DisplayAngleUnit", "Degree"},
                                {"DisplayLengthUnit", "kUnitType_Inch"}});
         },
         {U::kUnitType_Millimeter, U::kUnitType_Degree, U::kUnitType_Inch}},
        {"first wins",
         [](Builder& b) {
             b.Element("UnitAndTolerance",
                       {{"LengthUnit", "Millimeter"}, {"AngularTolerance", "0.1"}});
             b.Element("UNITANDTOLERANCE", {{"LengthUnit", "kUnitType_Inch"}});
         },
         {U::kUnitType_Millimeter, U::kUnitType_Unknown, U::kUnitType_Millimeter}},
        {"lower case",
         [](Builder& b) {
             b.Element("unitandtolerance", {{"LengthUnit", "kUnitType_Foot"}});
         },
         {U::kUnitType_Foot, U::kUnitType_Unknown, U::kUnitType_Foot},
         false},
        {"not the name",
         [](Builder& b) {
             b.Element("UnitAndToleranceX", {{"LengthUnit", "kUnitType_Meter"}});
         },
         unknown},
    };
    for (const char* kind : {"IAssembly", "IPart"}) {
        Load([&](Builder& b) {
            for (const auto& c : cases) {
                b.Open(kind).Attribute("ID", c.id);
                c.children(b);
                b.Close();
            }
        });
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kind) + " " + c.id);
            ASSERT_NE(ComponentOf(c.id), nullptr);
            EXPECT_EQ(Units(*ComponentOf(c.id)), kind[1] == 'A' || c.partsToo ? c.units : unknown);
        }
    }
}

TEST_F(ComponentTest, PartChildReferencesResolveOnlyAgainstObjectsAlreadyHeld) {
    // An instance is a kind a part does not hold; a point it creates in place.
    Load(R"(<IPart ID="a-earlier"/><IPart ID="m-parent"><ChildSet>
        <Child ID="a-earlier"/><Child ID="z-later"/><Child ID="nowhere"/><Child/>
        <IInstance ID="inner"><Child ID="a-earlier"/></IInstance><IPoint ID="pt"/>
        <Child ID="a-earlier"/></ChildSet></IPart><IPart ID="z-later"/>)");
    auto* parent = dynamic_cast<XMLPart*>(ComponentOf("m-parent"));
    ASSERT_NE(parent, nullptr);
    ASSERT_EQ(parent->ChildCount(), 3u);
    EXPECT_EQ(parent->ChildAt(0).Id(), UTF8String("a-earlier"));
    EXPECT_EQ(parent->ChildAt(0).Kind(), ObjectKindEnum::kPart);
    EXPECT_EQ(parent->ChildAt(1).Id(), UTF8String("pt"));
    EXPECT_EQ(parent->ChildAt(1).Kind(), ObjectKindEnum::kPoint);
    EXPECT_EQ(parent->ChildAt(2).Id(), UTF8String("a-earlier"));
    EXPECT_FALSE(m_context->Collector()->HasObject(UTF8String("inner")));
    EXPECT_NE(ComponentOf("z-later"), nullptr);
    EXPECT_THROW(parent->ChildAt(parent->ChildCount()), std::out_of_range);
}

} // namespace
} // namespace Orvik::Test
