#include "LoaderFixture.h"
#include "ObjectDescriber.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"

#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

using Inspect::JsonValue;
using Writer::CurveRecordWriter;

class CurveDescriberTest : public LoaderFixture {};

const JsonValue& Field(const JsonValue& object, const char* name) {
    const JsonValue* found = object.Find(name);
    EXPECT_NE(found, nullptr) << name;
    static const JsonValue kMissing;
    return found ? *found : kMissing;
}

TEST_F(CurveDescriberTest, EveryRecordAppearsWithItsValues) {
    Writer::GeometryStreamWriter stream(true, false);
    CurveRecordWriter::PolylineValues polyline;
    polyline.closed = true;
    polyline.points = {{0, 0, 0}, {1, 0, 0}};
    stream.AddCurveRecord("c", CurveRecordWriter::kPolyline, CurveRecordWriter::Polyline(polyline));
    CurveRecordWriter::CompositeEntry segment;
    segment.id = "s";
    segment.payload = CurveRecordWriter::Line({0, 0, 0}, {0, 0, 1}, 0, 4);
    segment.value = 3;
    stream.AddCurveRecord("c", CurveRecordWriter::kComposite,
                          CurveRecordWriter::Composite({false, false, {segment, {}}}));
    CurveRecordWriter::NurbsValues nurbs;
    nurbs.knots = {0, 0, 1, 1};
    nurbs.controlPoints = {{0, 0, 0}, {1, 1, 0}};
    nurbs.weights = {1.0, 0.5};
    stream.AddCurveRecord("c", CurveRecordWriter::kNurbs, CurveRecordWriter::Nurbs(nurbs));
    stream.WriteTo(m_dir.PathOf("geom.bin"));
    XMLProducerImpl& context = Load([](Writer::XmlDocumentBuilder& b) {
        b.Element("GeometryInfo", {{"GenerateGeometry", "True"}, {"Path", "geom.bin"}});
        b.Open("ICurve").Attribute("ID", "c").Open("Styles");
        b.Element("StyleRef", {{"ID", "red"}}).Close().Close();
    });
    IObject* curve = context.FindObject(UTF8String("c"));
    ASSERT_NE(curve, nullptr);

    Inspect::ObjectDescriber describer;
    const JsonValue fields = describer.Describe(*curve);
    EXPECT_EQ(Field(fields, "interface").AsString(), "ICurve");
    EXPECT_EQ(fields.Find("Transform"), nullptr);
    EXPECT_EQ(Field(fields, "KernelCurveCount").AsNumber(), 0.0);
    EXPECT_EQ(Field(fields, "CurveDataCount").AsNumber(), 3.0);
    EXPECT_EQ(describer.ReferencedIds(), std::vector<UTF8String>{UTF8String("red")});
    const auto& records = Field(fields, "CurveDataAt").Items();
    ASSERT_EQ(records.size(), 3u);

    EXPECT_EQ(Field(records[0], "interface").AsString(), "IPolyLineData");
    EXPECT_EQ(Field(records[0], "PointAt").Items().size(), 3u);
    EXPECT_TRUE(Field(records[0], "IsClosed").AsBool());

    const auto& entries = Field(records[1], "SegmentAt").Items();
    ASSERT_EQ(entries.size(), 2u);
    const JsonValue& line = Field(entries[0], "segment");
    EXPECT_EQ(Field(line, "interface").AsString(), "IStraightData");
    EXPECT_EQ(Field(line, "ParameterRange").Items()[1].AsNumber(), 4.0);
    EXPECT_EQ(Field(entries[0], "value").AsNumber(), 3.0);
    EXPECT_TRUE(Field(entries[1], "segment").IsNull());

    const auto& points = Field(records[2], "ControlPointAt").Items();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(Field(points[1], "w").AsNumber(), 0.5);
    EXPECT_TRUE(Field(records[2], "IsRational").AsBool());
}

} // namespace
} // namespace Orvik::Test
