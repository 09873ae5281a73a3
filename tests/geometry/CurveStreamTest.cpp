#include "GeometryFixture.h"
#include "geometry/GeomFileContext.h"
#include "geometry/GeometryStreamFile.h"
#include "geometry/XMLCurve.h"
#include "orvik/api/ICompositeCurveData.h"
#include "orvik/api/IEllipseData.h"
#include "orvik/api/INurbsCurveData.h"
#include "orvik/api/IPolyLineData.h"
#include "orvik/api/IRayData.h"
#include "orvik/api/IStraightData.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"

namespace Orvik::Test {
namespace {

using Writer::CurveRecordWriter;
using Writer::GeometryStreamWriter;

const std::string kLine = CurveRecordWriter::Line({0, 0, 0}, {1, 0, 0}, 0, 2);
const std::string kRay = CurveRecordWriter::Ray({1, 1, 1}, {0, 0, 1});

template <typename Interface>
bool HoldsA(const ICurveData* data) {
    return dynamic_cast<const Interface*>(data) != nullptr;
}

class CurveStreamTest : public GeometryFixture {
protected:
    // Writes the stream beside a document and reads it as a "GeometryInfo" section would.
    bool ReadStream(const GeometryStreamWriter& stream, const char* name = "geom.bin") {
        stream.WriteTo(m_dir.PathOf("geom.bin"));
        m_curves.clear();
        const GeomFileContext context(m_reader.Context(), UTF16String(m_dir.PathOf("doc.xml")),
                                      true);
        return GeometryStreamFile::ReadGeometryStreamFile(context, UTF16String(name), m_meshes,
                                                          &m_curves, false);
    }

    XMLCurve* Curve(const char* id) {
        const auto found = m_curves.find(UTF8String(id));
        return found == m_curves.end() ? nullptr : dynamic_cast<XMLCurve*>(found->second.get());
    }

    XMLProducerImpl m_reader{UTF16String(m_dir.PathOf("doc.xml")), &m_options};
    MeshTable m_meshes;
    CurveTable m_curves;
};

TEST_F(CurveStreamTest, EveryKindBecomesAStreamCurveWaitingForItsElement) {
    CurveRecordWriter::PolylineValues polyline;
    polyline.closed = true;
    polyline.points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    CurveRecordWriter::CompositeEntry entry;
    entry.id = "s";
    entry.payload = kLine;
    CurveRecordWriter::NurbsValues nurbs;
    nurbs.knots = {0, 0, 1, 1};
    nurbs.controlPoints = {{0, 0, 0}, {1, 1, 1}};
    const struct {
        const char* id;
        std::uint64_t type;
        std::string payload;
        bool (*holds)(const ICurveData*);
    } kinds[] = {
        {"line", CurveRecordWriter::kLine, kLine, HoldsA<IStraightData>},
        {"ray", CurveRecordWriter::kRay, kRay, HoldsA<IRayData>},
        {"ellipse", CurveRecordWriter::kEllipse, CurveRecordWriter::Ellipse({}),
         HoldsA<IEllipseData>},
        {"poly", CurveRecordWriter::kPolyline, CurveRecordWriter::Polyline(polyline),
         HoldsA<IPolyLineData>},
        {"composite", CurveRecordWriter::kComposite,
         CurveRecordWriter::Composite({false, false, {entry}}), HoldsA<ICompositeCurveData>},
        {"nurbs", CurveRecordWriter::kNurbs, CurveRecordWriter::Nurbs(nurbs),
         HoldsA<INurbsCurveData>},
    };
    GeometryStreamWriter stream(true, false);
    for (const auto& kind : kinds)
        stream.AddCurveRecord(kind.id, kind.type, kind.payload);
    ASSERT_TRUE(ReadStream(stream));
    ASSERT_EQ(m_curves.size(), 6u);
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.id);
        ASSERT_NE(Curve(kind.id), nullptr);
        EXPECT_EQ(Curve(kind.id)->CurveDataCount(), 1u);
        EXPECT_TRUE(kind.holds(Curve(kind.id)->CurveDataAt(0)));
    }
    std::uint32_t count = 0;
    dynamic_cast<const IPolyLineData&>(*Curve("poly")->CurveDataAt(0)).PointCount(count);
    EXPECT_EQ(count, 4u) << "closed";
}

TEST_F(CurveStreamTest, IdAnnouncedTwiceAppendsAndUnknownTypesAddNothing) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("c", CurveRecordWriter::kLine, kLine);
    stream.AddCurveRecord("c", CurveRecordWriter::kRay, kRay);
    stream.AddCurveRecord("c", 99, "ignored bytes");
    stream.AddCurveRecord("odd", 99, "ignored bytes");
    // A code beyond 32 bits must not be taken for the line it would narrow to.
    stream.AddCurveRecord("wide", (1ULL << 32) + 1, kLine);
    ASSERT_TRUE(ReadStream(stream));
    XMLCurve* twice = Curve("c");
    ASSERT_NE(twice, nullptr);
    ASSERT_EQ(twice->CurveDataCount(), 2u);
    EXPECT_TRUE(HoldsA<IStraightData>(twice->CurveDataAt(0)));
    EXPECT_TRUE(HoldsA<IRayData>(twice->CurveDataAt(1)));
    for (const char* id : {"odd", "wide"}) {
        ASSERT_NE(Curve(id), nullptr) << id;
        EXPECT_EQ(Curve(id)->CurveDataCount(), 1u);
        EXPECT_EQ(Curve(id)->CurveDataAt(0), nullptr);
    }
}

// A cut record fails the walk; what came before stays. A short record in the middle runs into
// the next record's bytes, so the walk stops there.
TEST_F(CurveStreamTest, TruncatedRecordOrMissingFileFailsAndKeepsWhatCameBefore) {
    GeometryStreamWriter good(true, false);
    good.AddCurveRecord("good", CurveRecordWriter::kLine, kLine);
    good.AddCurveRecord("good", CurveRecordWriter::kLine, kLine.substr(0, 40));
    EXPECT_FALSE(ReadStream(good));
    ASSERT_NE(Curve("good"), nullptr);
    EXPECT_EQ(Curve("good")->CurveDataCount(), 1u);

    GeometryStreamWriter cut(true, false);
    cut.AddCurveRecord("cut", CurveRecordWriter::kRay, kRay.substr(0, 47));
    EXPECT_FALSE(ReadStream(cut));
    EXPECT_TRUE(m_curves.empty());

    GeometryStreamWriter middle(true, false);
    middle.AddCurveRecord("short", CurveRecordWriter::kLine, kLine.substr(0, 40));
    middle.AddCurveRecord("late", CurveRecordWriter::kRay, kRay);
    EXPECT_FALSE(ReadStream(middle));
    EXPECT_EQ(Curve("late"), nullptr);

    EXPECT_FALSE(ReadStream(good, "none.bin"));
    EXPECT_TRUE(m_curves.empty());
}

TEST_F(CurveStreamTest, DocumentCurvesReachPartsAndTheDispatcher) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("c1", CurveRecordWriter::kLine, kLine);
    stream.AddCurveRecord("c2", CurveRecordWriter::kRay, kRay);
    stream.AddCurveRecord("unused", CurveRecordWriter::kRay, kRay);
    stream.WriteTo(m_dir.PathOf("geom.bin"));
    // The file reaches the part first; the same id again at the top level finds the curve held.
    LoadXml(R"(<GeometryInfo GenerateGeometry="True" Path="geom.bin"/>
      <IFile ID="a" IsRoot="True"><ChildSet><Child ID="p"/></ChildSet></IFile>
      <IPart ID="p"><ChildSet><ICurve ID="c1" Label="in part"/><ICurve ID="nothing"/>
      </ChildSet></IPart>
      <ICurve ID="c2" Visibility="0"/>
      <ICurve ID="c1" Label="again"/>)");
    const auto& part = Get<IPart>("p");
    ASSERT_EQ(part.ChildCount(), 1u);
    EXPECT_EQ(part.ChildAt(0).Id(), UTF8String("c1"));
    EXPECT_EQ(part.ChildAt(0).Kind(), ObjectKindEnum::kCurve);
    EXPECT_EQ(Find("c1")->Label(), UTF16String(u"in part"));
    const auto& top = Get<ICurve>("c2");
    EXPECT_FALSE(top.IsVisible());
    EXPECT_TRUE(HoldsA<IRayData>(top.CurveDataAt(0)));
    EXPECT_EQ(Context().Cache().curvesById.size(), 1u);
    EXPECT_EQ(Context().Cache().curvesById.count(UTF8String("unused")), 1u);
}

// Under an id prefix the stream curve is found by the id as read and registered under the new
// id alone: the kernel curve offered for the same element is refused.
TEST_F(CurveStreamTest, PrefixedIdsFindStreamCurvesByTheirIdAsRead) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("c1", CurveRecordWriter::kLine, kLine);
    stream.WriteTo(m_dir.PathOf("geom.bin"));
    Writer::BodyFileWriter().AddEdge({"e", "", {}}).WriteText(m_dir.PathOf("edges.sat"));
    LoadXml(R"(<GeometryInfo GenerateGeometry="True" Path="geom.bin"/><SatInfo Path="edges.sat"/>
      <ICurve ID="c1"><VeldEntity EntityId="e"/></ICurve>)",
            "n");
    EXPECT_TRUE(Context().Cache().curvesById.empty());
    EXPECT_EQ(Find("c1"), nullptr);
    EXPECT_EQ(m_context->Collector()->Size(), 1u);
    std::vector<const Veld::curve*> kernelCurves;
    Get<ICurve>(Context().ReferenceId(UTF8String("c1")).Value()).KernelCurves(kernelCurves);
    EXPECT_TRUE(kernelCurves.empty());
}

} // namespace
} // namespace Orvik::Test
