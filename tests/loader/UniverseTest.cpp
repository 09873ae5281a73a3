#include "UniverseFixture.h"
#include "aec/XMLAECDomainProjectContext.h"
#include "loader/XMLDomainProjectContext.h"

#include <optional>
#include <string>

namespace Orvik::Test {
namespace {

using UniverseTest = UniverseFixture;

TEST_F(UniverseTest, EmptyUniverseAnswersNothingButOwnsAPropertyDatabase) {
    const auto universe = ReadUniverse("\n  ");
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

// A part that is no number counts as 0 rather than dropping the vector.
TEST_F(UniverseTest, VectorsNeedExactlyThreeParts) {
    const std::pair<std::string, std::optional<Vector>> cases[] = {
        {"0,0,1", Vector(0, 0, 1)}, {"1, x ,2", Vector(1, 0, 2)}, {",,", Vector(0, 0, 0)},
        {"0,1", std::nullopt},      {"1,2,3,4", std::nullopt},    {"", std::nullopt}};
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const auto universe =
            ReadUniverse("<ViewData><UpVector>" + text + "</UpVector><FrontVector>" + text +
                         "</FrontVector><NorthVector>" + text + "</NorthVector></ViewData>");
        ViewingData viewing;
        ASSERT_TRUE(universe->ViewingData(viewing));
        for (auto part :
             {&ViewingData::UpVector, &ViewingData::FrontVector, &ViewingData::NorthVector}) {
            Vector vector(9, 9, 9);
            EXPECT_EQ((viewing.*part)(vector), expected.has_value());
            EXPECT_EQ(vector, expected.value_or(Vector(9, 9, 9)));
        }
    }
}

TEST_F(UniverseTest, ColoursNeedRedGreenAndBlueAndTakeAlphaWhenGiven) {
    const auto universe = ReadUniverse(R"(
        <DefaultCurveColor FractionRed="0.5" FractionGreen="0.25"/>
        <DefaultSurfaceColor FractionRed="0.1" FractionGreen="0.2" FractionBlue="0.3"
          FractionAlpha="0.4"/>)");
    Color color;
    EXPECT_FALSE(universe->DefaultCurveColor(color));
    ASSERT_TRUE(universe->DefaultSurfaceColor(color));
    Color expected;
    expected.SetFractionalRGBA(0.1, 0.2, 0.3, 0.4);
    EXPECT_EQ(color, expected);

    // The later element wins.
    const auto opaque = ReadUniverse(R"(
        <DefaultCurveColor FractionRed="1" FractionGreen="0" FractionBlue="0"/>
        <DefaultCurveColor FractionRed="0" FractionGreen="1" FractionBlue="bad"/>)");
    ASSERT_TRUE(opaque->DefaultCurveColor(color));
    expected.SetFractionalRGB(0, 1, 0);
    EXPECT_EQ(color, expected);
    EXPECT_EQ(color.Alpha(), 1.0);
    EXPECT_FALSE(opaque->DefaultSurfaceColor(color));
}

std::string Origin(const char* name) {
    return std::string(R"(<TextureUVOriginTypeNode TextureUVOriginType="kTextureUVOriginType_)") +
           name + R"("/>)";
}

// Names match exactly; a node of no known name leaves the target alone.
TEST_F(UniverseTest, TextureOriginTakesOnlyTheTwoKnownNames) {
    const struct {
        std::string markup;
        bool read;
        unsigned origin;
    } cases[] = {
        {Origin("TopLeft"), true, 2},
        {Origin("BottomLeft") + Origin("topleft") + "<TextureUVOriginTypeNode/>", true, 1},
        {Origin("Center"), false, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.markup);
        unsigned origin = 5;
        EXPECT_EQ(ReadUniverse(c.markup)->TextureUVOriginType(origin), c.read);
        EXPECT_EQ(origin, c.origin);
    }
}

// A context of the other kind after the first one is passed over.
TEST_F(UniverseTest, PlainProjectContextKeepsEachParameterTypeOnce) {
    const auto universe = ReadUniverse(R"(<IDomainProjectContext>
        <Units><ParameterTypeId ID="p1"/><ParameterTypeId ID="p2"/><ParameterTypeId ID="p1"/>
        </Units><Units><ParameterTypeId/><Other ID="x"/></Units>
        <Units><ParameterTypeId ID="p3"/><ParameterTypeId ID="p2"/></Units></IDomainProjectContext>
        <IAECProjectContext><Units><ParameterTypeId ID="aec"/></Units></IAECProjectContext>)");
    auto* context = dynamic_cast<XMLDomainProjectContext*>(universe->DomainProjectContext());
    ASSERT_NE(context, nullptr);
    ParameterTypeIdSet ids;
    ASSERT_TRUE(context->ParameterTypeIds(ids));
    EXPECT_EQ(ids, IdSet({"p1", "p2", "p3"}));

    const auto empty = ReadUniverse("<IDomainProjectContext/>");
    ASSERT_NE(empty->DomainProjectContext(), nullptr);
    EXPECT_FALSE(empty->DomainProjectContext()->ParameterTypeIds(ids));
}

TEST_F(UniverseTest, AECProjectContextCollectsUnitsAndHistoryOfEveryElement) {
    const auto universe = ReadUniverse(R"(<IAECProjectContext>
        <Units><ParameterTypeId ID="len"/><ParameterTypeId ID="ang"/></Units>
        <AECProjectHistoryContext><OrganizationSet>
          <OrganizationData HistoryContextId="o1" Name="Builders"/>
        </OrganizationSet></AECProjectHistoryContext></IAECProjectContext>
        <IDomainProjectContext/>
        <IAECProjectContext><Units><ParameterTypeId ID="ang"/><ParameterTypeId ID="area"/></Units>
        </IAECProjectContext>)");
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
