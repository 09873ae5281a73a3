#include "GeometryFixture.h"
#include "ObjectDescriber.h"
#include "orvik/writer/CurveRecordWriter.h"

#include <algorithm>

namespace Orvik::Test {
namespace {

using Inspect::Json;
using Inspect::JsonText;

// The inspector's view of loaded geometry.
class DescriberTest : public GeometryFixture {
protected:
    Json Describe(const char* id) { return m_describer.Describe(Get<IObject>(id)); }

    bool Refers(const char* id) const {
        const auto& ids = m_describer.ReferencedIds();
        return std::find(ids.begin(), ids.end(), UTF8String(id)) != ids.end();
    }

    Inspect::ObjectDescriber m_describer;
};

TEST_F(DescriberTest, CurveShowsEveryRecordWithItsValues) {
    using W = Writer::CurveRecordWriter;
    W::PolylineValues polyline;
    polyline.closed = true;
    polyline.points = {{0, 0, 0}, {1, 0, 0}};
    const W::CompositeEntry segment{W::kLine, "s", W::Line({0, 0, 0}, {0, 0, 1}, 0, 4), false, 0,
                                    0,        3};
    W::NurbsValues nurbs;
    nurbs.knots = {0, 0, 1, 1};
    nurbs.controlPoints = {{0, 0, 0}, {1, 1, 0}};
    nurbs.weights = {1.0, 0.5};
    WriteCurves({{"c", W::kPolyline, W::Polyline(polyline)},
                 {"c", W::kComposite, W::Composite({false, false, {segment, {}}})},
                 {"c", W::kNurbs, W::Nurbs(nurbs)}});
    LoadXml(kGeometryInfo + R"(<ICurve ID="c"><Styles><StyleRef ID="red"/></Styles></ICurve>)");

    const Json fields = Describe("c");
    EXPECT_EQ(fields.at("interface"), "ICurve");
    EXPECT_FALSE(fields.contains("Transform"));
    EXPECT_EQ(fields.at("KernelCurveCount"), 0);
    EXPECT_EQ(m_describer.ReferencedIds(), std::vector<UTF8String>{UTF8String("red")});
    const Json& records = fields.at("CurveDataAt");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].at("interface"), "IPolyLineData");
    EXPECT_EQ(records[0].at("PointAt").size(), 3u);
    EXPECT_EQ(records[0].at("IsClosed"), true);
    const Json& entries = records[1].at("SegmentAt");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].at("segment").at("interface"), "IStraightData");
    EXPECT_EQ(entries[0].at("segment").at("ParameterRange")[1], 4.0);
    EXPECT_EQ(entries[0].at("value"), 3);
    EXPECT_TRUE(entries[1].at("segment").is_null());
    EXPECT_EQ(records[2].at("ControlPointAt").size(), 2u);
    EXPECT_EQ(records[2].at("ControlPointAt")[1].at("w"), 0.5);
    EXPECT_EQ(records[2].at("IsRational"), true);
}

// Ids a container lists are walked next; what the object leaves unspecified is left out.
TEST_F(DescriberTest, GroupsAndReferenceGeometryShowTheirQueries) {
    LoadXml(R"(<IGeometricSet ID="g"><ChildSet><IPoint ID="p"/><IExtensionGeometry ID="x"/>
      </ChildSet></IGeometricSet>
      <ISketch ID="k" SketchTypeEnum="kSketchType_2D">
        <CurveSet><ICurve ID="c"/></CurveSet><ChildSet><Child ID="p"/></ChildSet></ISketch>
      <ISketch ID="untyped"/>
      <IPoint ID="pt" Visibility="0"><Point X="1" Y="2" Z="3"/>
        <Styles><StyleRef ID="red"/></Styles></IPoint>
      <IWorkPlane ID="wpl"><Normal X="0" Y="0" Z="1"/>
        <DisplayRange><MaxPoint X="5" Y="5" Z="0"/></DisplayRange></IWorkPlane>
      <IWorkAxis ID="wa"><EndPoint X="0" Y="0" Z="9"/></IWorkAxis>)");
    const Json point = Describe("pt");
    EXPECT_EQ(point.at("interface"), "IPoint");
    EXPECT_EQ(JsonText(point.at("Position")), R"({"x":1,"y":2,"z":3})");
    EXPECT_EQ(point.at("IsVisible"), false);
    EXPECT_EQ(point.at("LinearTolerance"), -1.0);
    EXPECT_EQ(m_describer.ReferencedIds(), std::vector<UTF8String>{UTF8String("red")});

    const Json set = Describe("g");
    EXPECT_EQ(JsonText(set.at("ChildAt")), R"(["p","x"])");
    EXPECT_FALSE(set.contains("Transform"));
    EXPECT_TRUE(Refers("p") && Refers("x"));
    EXPECT_EQ(Describe("x").at("ChildCount"), 0);
    const Json sketch = Describe("k");
    EXPECT_EQ(sketch.at("SketchType"), "kSketchType_2D");
    EXPECT_EQ(JsonText(sketch.at("IdAt")), R"(["c","p"])");
    EXPECT_EQ(sketch.at("IsVisible"), false);
    EXPECT_TRUE(Refers("c") && Refers("p"));
    EXPECT_TRUE(Describe("untyped").at("SketchType").is_null());

    const Json plane = Describe("wpl");
    EXPECT_EQ(JsonText(plane.at("Normal")), R"({"x":0,"y":0,"z":1})");
    EXPECT_FALSE(plane.contains("ReferenceDirection"));
    EXPECT_EQ(JsonText(plane.at("DisplayRange")),
              R"({"min":{"x":0,"y":0,"z":0},"max":{"x":5,"y":5,"z":0}})");
    EXPECT_EQ(JsonText(Describe("wa").at("StartPoint")), R"({"x":0,"y":0,"z":0})");
}

} // namespace
} // namespace Orvik::Test
