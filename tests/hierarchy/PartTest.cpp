#include "LoaderFixture.h"
#include "hierarchy/XMLPart.h"

#include <stdexcept>
#include <string>

namespace Orvik::Test {
namespace {

using Builder = Writer::XmlDocumentBuilder;

class PartTest : public LoaderFixture {
protected:
    XMLPart* PartOf(const std::string& id) {
        return dynamic_cast<XMLPart*>(m_context->Context().Find(UTF8String(id)));
    }

    struct Units {
        UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum displayAngle = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum displayLength = UnitTypeEnum::kUnitType_Unknown;
    };

    // Each unit must answer specified.
    static Units UnitsOf(const XMLPart& part) {
        Units units;
        EXPECT_EQ(part.LengthUnit(units.length), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(part.DisplayAngleUnit(units.displayAngle), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(part.DisplayLengthUnit(units.displayLength), IsValueSpecifiedEnum::kSpecified);
        return units;
    }

    static void Unit(Builder& b) {
        b.Element("Unit", {{"LengthUnit", "Meter"},
                           {"DisplayAngleUnit", "Degree"},
                           {"DisplayLengthUnit", "Centimeter"}});
    }

    static void UnitAndTolerance(Builder& b, const char* name = "UnitAndTolerance") {
        b.Element(name, {{"LengthUnit", "Millimeter"}, {"AngularTolerance", "0.1"}});
    }
};

TEST_F(PartTest, ReadsAttributesAndSharedElements) {
    Load([](Builder& b) {
        b.Open("IPart")
            .Attribute("ID", "p1")
            .Attribute("Label", "Bracket")
            .Attribute("VersionPersistentId", "v-7")
            .Attribute("IsSingleUnderRoot", "1");
        b.TextElement("ChangeKey", "ck-1");
        b.Open("Styles").Element("StyleRef", {{"ID", "s1"}}).Close();
        b.Open("Materials").Element("MaterialRef", {{"ID", "m1"}}).Close();
        b.Open("FileProperties").TextElement("Title", "Bracket drawing").Close();
        b.Element("ExtensionData", {{"TypeId", "acme"}, {"Content", "payload"}});
        b.Open("AttributeSet");
        b.Open("MaterialSet").Element("IMaterial", {{"ID", "m1"}}).Close();
        b.Open("LightSet").Element("ILight", {{"ID", "l1"}, {"Label", "Sun"}}).Close();
        b.Close();
        b.Close();
        b.Element("IPart", {{"ID", "p2"}, {"Label", "Other"}, {"IsSingleUnderRoot", "2"}});
        b.Element("IPart", {{"Label", "without id"}});
    });
    EXPECT_EQ(m_context->Collector()->Size(), 2u);
    XMLPart* part = PartOf("p1");
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(KindOf(part), ObjectKindEnum::kPart);
    EXPECT_EQ(part->Label(), UTF16String(u"Bracket"));
    UTF8String version;
    ASSERT_EQ(part->VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(version, UTF8String("v-7"));
    UTF16String key;
    ASSERT_EQ(part->ChangeKey(key), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(key, UTF16String(u"ck-1"));
    EXPECT_TRUE(part->IsSingleUnderRoot());
    EXPECT_EQ(part->Styles(), IdSet({UTF8String("s1")}));
    EXPECT_EQ(part->Materials(), IdSet({UTF8String("m1")}));
    EXPECT_EQ(part->MaterialSet(), IdSet({UTF8String("m1")}));
    EXPECT_EQ(part->LightSet(), IdSet({UTF8String("l1")}));
    ASSERT_NE(part->FileProperties(), nullptr);
    ExtensionDataContent extension;
    EXPECT_EQ(part->ExtensionDataByTypeId(UTF8String("acme"), extension),
              IsValueSpecifiedEnum::kSpecified);

    XMLPart* other = PartOf("p2");
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->IsSingleUnderRoot());
    EXPECT_EQ(other->FileProperties(), nullptr);
}

TEST_F(PartTest, UnitsComeFromUnitFirstThenUnitAndTolerance) {
    Load([](Builder& b) {
        b.Element("IPart", {{"ID", "none"}});
        b.Open("IPart").Attribute("ID", "tolerance-only");
        UnitAndTolerance(b);
        b.Close();
        b.Open("IPart").Attribute("ID", "unit-after-tolerance");
        UnitAndTolerance(b);
        Unit(b);
        b.Close();
        b.Open("IPart").Attribute("ID", "lower-case");
        UnitAndTolerance(b, "unitandtolerance");
        b.Close();
    });
    const Units none = UnitsOf(*PartOf("none"));
    EXPECT_EQ(none.length, UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(none.displayAngle, UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(none.displayLength, UnitTypeEnum::kUnitType_Unknown);

    const Units tolerance = UnitsOf(*PartOf("tolerance-only"));
    EXPECT_EQ(tolerance.length, UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(tolerance.displayAngle, UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(tolerance.displayLength, UnitTypeEnum::kUnitType_Millimeter);

    const Units later = UnitsOf(*PartOf("unit-after-tolerance"));
    EXPECT_EQ(later.length, UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(later.displayAngle, UnitTypeEnum::kUnitType_Degree);
    EXPECT_EQ(later.displayLength, UnitTypeEnum::kUnitType_Centimeter);

    EXPECT_EQ(UnitsOf(*PartOf("lower-case")).length, UnitTypeEnum::kUnitType_Unknown);
}

TEST_F(PartTest, ChildReferencesResolveOnlyAgainstObjectsAlreadyHeld) {
    Load([](Builder& b) {
        b.Element("IPart", {{"ID", "a-earlier"}});
        b.Open("IPart").Attribute("ID", "m-parent").Open("ChildSet");
        b.Element("Child", {{"ID", "a-earlier"}});
        b.Element("Child", {{"ID", "z-later"}});
        b.Element("Child", {{"ID", "nowhere"}});
        b.Element("Child");
        // A kind a part does not hold, and one it creates in place.
        b.Open("IInstance").Attribute("ID", "inner").Element("Child", {{"ID", "a-earlier"}});
        b.Close();
        b.Element("IPoint", {{"ID", "pt"}});
        b.Element("Child", {{"ID", "a-earlier"}});
        b.Close().Close();
        b.Element("IPart", {{"ID", "z-later"}});
    });
    XMLPart* parent = PartOf("m-parent");
    ASSERT_NE(parent, nullptr);
    ASSERT_EQ(parent->ChildCount(), 3u);
    EXPECT_EQ(parent->ChildAt(0).Id(), UTF8String("a-earlier"));
    EXPECT_EQ(parent->ChildAt(0).Kind(), ObjectKindEnum::kPart);
    EXPECT_EQ(parent->ChildAt(1).Id(), UTF8String("pt"));
    EXPECT_EQ(parent->ChildAt(1).Kind(), ObjectKindEnum::kPoint);
    EXPECT_EQ(parent->ChildAt(2).Id(), UTF8String("a-earlier"));
    EXPECT_FALSE(m_context->Collector()->HasObject(UTF8String("inner")));
    EXPECT_NE(PartOf("z-later"), nullptr);
    try {
        parent->ChildAt(parent->ChildCount());
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector subscript");
    }
}

} // namespace
} // namespace Orvik::Test
