#include "UniverseFixture.h"
#include "aec/XMLAECDomainProjectContext.h"
#include "loader/XMLDomainProjectContext.h"

#include <stdexcept>

namespace Orvik::Test {
namespace {

using Writer::XmlDocumentBuilder;

class UniverseTest : public UniverseFixture {};

void ViewData(XmlDocumentBuilder& b, const char* up, const char* front, const char* north) {
    b.Open("ViewData")
        .TextElement("UpVector", up)
        .TextElement("FrontVector", front)
        .TextElement("NorthVector", north)
        .Close();
}

void Units(XmlDocumentBuilder& b, std::initializer_list<const char*> ids) {
    b.Open("Units");
    for (const char* id : ids)
        b.Element("ParameterTypeId", {{"ID", id}});
    b.Close();
}

TEST_F(UniverseTest, EmptyUniverseAnswersNothingButOwnsAPropertyDatabase) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) { b.Text("\n  "); });
    Color color;
    ViewingData viewing;
    unsigned origin = 7;
    EXPECT_FALSE(universe->DefaultCurveColor(color));
    EXPECT_FALSE(universe->DefaultSurfaceColor(color));
    EXPECT_FALSE(universe->ViewingData(viewing));
    EXPECT_FALSE(universe->TextureUVOriginType(origin));
    EXPECT_EQ(origin, 7u);
    EXPECT_EQ(universe->CustomDataCount(), 0u);
    EXPECT_EQ(universe->DomainProjectContext(), nullptr);
    ASSERT_NE(universe->PropertyDatabase(), nullptr);
    EXPECT_EQ(universe->PropertyDatabase()->PropertyCount(), 0u);
    EXPECT_EQ(universe->DocumentPath(), UTF16String(m_dir.PathOf("doc.xml")));
    EXPECT_FALSE(universe->ReadUniverse(nullptr));
}

TEST_F(UniverseTest, CustomDataIndexAtTheCountIsOutOfRange) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Open("CustomData")
            .Element("CustomDataItem", {{"Type", "1"}, {"Key", "k"}, {"Value", "3"}});
        b.Close();
    });
    ASSERT_EQ(universe->CustomDataCount(), 1u);
    UTF8String key;
    Variant value;
    try {
        universe->CustomDataAt(1, key, value);
        FAIL() << "index equal to the count was accepted";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector subscript");
    }
    EXPECT_TRUE(universe->CustomDataAt(0, key, value));
    EXPECT_EQ(value.AsInt(), 3);
}

TEST_F(UniverseTest, VectorsNeedExactlyThreeParts) {
    const auto universe =
        ReadUniverse([](XmlDocumentBuilder& b) { ViewData(b, "0,0,1", "0,1", "1, x ,2"); });
    ViewingData viewing;
    ASSERT_TRUE(universe->ViewingData(viewing));
    Vector vector(9, 9, 9);
    EXPECT_TRUE(viewing.UpVector(vector));
    EXPECT_EQ(vector, Vector(0, 0, 1));
    EXPECT_FALSE(viewing.FrontVector(vector));
    // A part that is no number counts as 0 rather than dropping the vector.
    EXPECT_TRUE(viewing.NorthVector(vector));
    EXPECT_EQ(vector, Vector(1, 0, 2));

    const auto tooMany =
        ReadUniverse([](XmlDocumentBuilder& b) { ViewData(b, "1,2,3,4", ",,", ""); });
    ViewingData other;
    ASSERT_TRUE(tooMany->ViewingData(other));
    EXPECT_FALSE(other.UpVector(vector));
    EXPECT_TRUE(other.FrontVector(vector));
    EXPECT_EQ(vector, Vector(0, 0, 0));
    EXPECT_FALSE(other.NorthVector(vector));
}

TEST_F(UniverseTest, ColoursNeedRedGreenAndBlueAndTakeAlphaWhenGiven) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Element("DefaultCurveColor", {{"FractionRed", "0.5"}, {"FractionGreen", "0.25"}});
        b.Element("DefaultSurfaceColor", {{"FractionRed", "0.1"},
                                          {"FractionGreen", "0.2"},
                                          {"FractionBlue", "0.3"},
                                          {"FractionAlpha", "0.4"}});
    });
    Color color;
    EXPECT_FALSE(universe->DefaultCurveColor(color));
    ASSERT_TRUE(universe->DefaultSurfaceColor(color));
    Color expected;
    expected.SetFractionalRGBA(0.1, 0.2, 0.3, 0.4);
    EXPECT_EQ(color, expected);

    const auto opaque = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Element("DefaultCurveColor",
                  {{"FractionRed", "1"}, {"FractionGreen", "0"}, {"FractionBlue", "0"}});
        // The later element wins.
        b.Element("DefaultCurveColor",
                  {{"FractionRed", "0"}, {"FractionGreen", "1"}, {"FractionBlue", "bad"}});
    });
    ASSERT_TRUE(opaque->DefaultCurveColor(color));
    expected.SetFractionalRGB(0, 1, 0);
    EXPECT_EQ(color, expected);
    EXPECT_EQ(color.Alpha(), 1.0);
    EXPECT_FALSE(opaque->DefaultSurfaceColor(color));
}

TEST_F(UniverseTest, TextureOriginTakesOnlyTheTwoKnownNames) {
    unsigned origin = 0;
    const auto topLeft = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Element("TextureUVOriginTypeNode",
                  {{"TextureUVOriginType", "kTextureUVOriginType_TopLeft"}});
    });
    EXPECT_TRUE(topLeft->TextureUVOriginType(origin));
    EXPECT_EQ(origin, 2u);

    const auto bottomLeft = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Element("TextureUVOriginTypeNode",
                  {{"TextureUVOriginType", "kTextureUVOriginType_BottomLeft"}});
        b.Element("TextureUVOriginTypeNode",
                  {{"TextureUVOriginType", "kTextureUVOriginType_topleft"}});
        b.Element("TextureUVOriginTypeNode");
    });
    EXPECT_TRUE(bottomLeft->TextureUVOriginType(origin));
    EXPECT_EQ(origin, 1u);

    const auto unknown = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Element("TextureUVOriginTypeNode",
                  {{"TextureUVOriginType", "kTextureUVOriginType_Center"}});
    });
    origin = 5;
    EXPECT_FALSE(unknown->TextureUVOriginType(origin));
    EXPECT_EQ(origin, 5u);
}

TEST_F(UniverseTest, PlainProjectContextKeepsEachParameterTypeOnce) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Open("IDomainProjectContext");
        Units(b, {"p1", "p2", "p1"});
        b.Open("Units").Element("ParameterTypeId").Element("Other", {{"ID", "x"}}).Close();
        Units(b, {"p3", "p2"});
        b.Close();
        // A context of the other kind after the first one is passed over.
        b.Open("IAECProjectContext");
        Units(b, {"aec"});
        b.Close();
    });
    auto* context = dynamic_cast<XMLDomainProjectContext*>(universe->DomainProjectContext());
    ASSERT_NE(context, nullptr);
    ParameterTypeIdSet ids;
    ASSERT_TRUE(context->ParameterTypeIds(ids));
    EXPECT_EQ(ids, IdSet({"p1", "p2", "p3"}));

    const auto empty =
        ReadUniverse([](XmlDocumentBuilder& b) { b.Element("IDomainProjectContext"); });
    ASSERT_NE(empty->DomainProjectContext(), nullptr);
    EXPECT_FALSE(empty->DomainProjectContext()->ParameterTypeIds(ids));
}

TEST_F(UniverseTest, AECProjectContextCollectsUnitsAndHistoryOfEveryElement) {
    const auto universe = ReadUniverse([](XmlDocumentBuilder& b) {
        b.Open("IAECProjectContext");
        Units(b, {"len", "ang"});
        b.Open("AECProjectHistoryContext")
            .Open("OrganizationSet")
            .Element("OrganizationData", {{"HistoryContextId", "o1"}, {"Name", "Builders"}})
            .Close()
            .Close();
        b.Close();
        b.Element("IDomainProjectContext");
        b.Open("IAECProjectContext");
        Units(b, {"ang", "area"});
        b.Close();
    });
    auto* context = dynamic_cast<XMLAECDomainProjectContext*>(universe->DomainProjectContext());
    ASSERT_NE(context, nullptr);
    ParameterTypeIdSet ids;
    ASSERT_TRUE(context->ParameterTypeIds(ids));
    EXPECT_EQ(ids, IdSet({"len", "ang", "area"}));
    ASSERT_EQ(context->HistoryContext()->OrganizationCount(), 1u);
    EXPECT_EQ(context->HistoryContext()->OrganizationAt(0).Name(), UTF8String("Builders"));
}

} // namespace
} // namespace Orvik::Test
