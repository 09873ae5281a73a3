#include "LoaderFixture.h"
#include "geometry/GeomFileContext.h"
#include "geometry/GeometryStreamFile.h"
#include "geometry/XMLCurve.h"
#include "orvik/api/ICompositeCurveData.h"
#include "orvik/api/IEllipseData.h"
#include "orvik/api/INurbsCurveData.h"
#include "orvik/api/IPolyLineData.h"
#include "orvik/api/IRayData.h"
#include "orvik/api/IStraightData.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"

#include <gtest/gtest.h>
#include <string>

namespace Orvik::Test {
namespace {

using Writer::CurveRecordWriter;
using Writer::GeometryStreamWriter;

const std::string kLine = CurveRecordWriter::Line({0, 0, 0}, {1, 0, 0}, 0, 2);
const std::string kRay = CurveRecordWriter::Ray({1, 1, 1}, {0, 0, 1});

class CurveStreamTest : public LoaderFixture {
protected:
    // Writes the stream beside a document and reads it as a "GeometryInfo" section would.
    bool ReadStream(const GeometryStreamWriter& stream) {
        stream.WriteTo(m_dir.PathOf("geom.bin"));
        m_reader =
            std::make_unique<XMLProducerImpl>(UTF16String(m_dir.PathOf("doc.xml")), &m_options);
        const GeomFileContext context(*m_reader, true);
        return GeometryStreamFile::ReadGeometryStreamFile(context, UTF16String("geom.bin"),
                                                          m_meshes, &m_curves, false);
    }

    XMLCurve* Curve(const char* id) {
        const auto found = m_curves.find(UTF8String(id));
        return found == m_curves.end() ? nullptr : dynamic_cast<XMLCurve*>(found->second.get());
    }

    std::unique_ptr<XMLProducerImpl> m_reader;
    MeshTable m_meshes;
    CurveTable m_curves;
};

template <typename Interface>
bool HoldsA(const ICurveData* data) {
    return dynamic_cast<const Interface*>(data) != nullptr;
}

TEST_F(CurveStreamTest, EveryKindBecomesAStreamCurveWaitingForItsElement) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("line", CurveRecordWriter::kLine, kLine);
    stream.AddCurveRecord("ray", CurveRecordWriter::kRay, kRay);
    stream.AddCurveRecord("ellipse", CurveRecordWriter::kEllipse, CurveRecordWriter::Ellipse({}));
    CurveRecordWriter::PolylineValues polyline;
    polyline.closed = true;
    polyline.points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    stream.AddCurveRecord("poly", CurveRecordWriter::kPolyline,
                          CurveRecordWriter::Polyline(polyline));
    CurveRecordWriter::CompositeEntry entry;
    entry.id = "s";
    entry.payload = kLine;
    stream.AddCurveRecord("composite", CurveRecordWriter::kComposite,
                          CurveRecordWriter::Composite({false, false, {entry}}));
    CurveRecordWriter::NurbsValues nurbs;
    nurbs.knots = {0, 0, 1, 1};
    nurbs.controlPoints = {{0, 0, 0}, {1, 1, 1}};
    stream.AddCurveRecord("nurbs", CurveRecordWriter::kNurbs, CurveRecordWriter::Nurbs(nurbs));
    ASSERT_TRUE(ReadStream(stream));

    ASSERT_EQ(m_curves.size(), 6u);
    EXPECT_TRUE(HoldsA<IStraightData>(Curve("line")->CurveDataAt(0)));
    EXPECT_TRUE(HoldsA<IRayData>(Curve("ray")->CurveDataAt(0)));
    EXPECT_TRUE(HoldsA<IEllipseData>(Curve("ellipse")->CurveDataAt(0)));
    EXPECT_TRUE(HoldsA<ICompositeCurveData>(Curve("composite")->CurveDataAt(0)));
    EXPECT_TRUE(HoldsA<INurbsCurveData>(Curve("nurbs")->CurveDataAt(0)));
    auto* points = dynamic_cast<const IPolyLineData*>(Curve("poly")->CurveDataAt(0));
    ASSERT_NE(points, nullptr);
    std::uint32_t count = 0;
    points->PointCount(count);
    EXPECT_EQ(count, 4u);
    for (const auto& [id, curve] : m_curves)
        EXPECT_EQ(static_cast<XMLCurve&>(*curve).CurveDataCount(), 1u) << id.Value();
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

TEST_F(CurveStreamTest, TruncatedCurveRecordFailsTheWalkAndKeepsWhatCameBefore) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("good", CurveRecordWriter::kLine, kLine);
    stream.AddCurveRecord("good", CurveRecordWriter::kLine, kLine.substr(0, 40));
    EXPECT_FALSE(ReadStream(stream));
    ASSERT_NE(Curve("good"), nullptr);
    EXPECT_EQ(Curve("good")->CurveDataCount(), 1u);

    m_curves.clear();
    GeometryStreamWriter cut(true, false);
    cut.AddCurveRecord("cut", CurveRecordWriter::kRay, kRay.substr(0, 47));
    EXPECT_FALSE(ReadStream(cut));
    EXPECT_TRUE(m_curves.empty());

    // A short record in the middle runs into the next record's bytes: the walk stops there.
    m_curves.clear();
    GeometryStreamWriter middle(true, false);
    middle.AddCurveRecord("short", CurveRecordWriter::kLine, kLine.substr(0, 40));
    middle.AddCurveRecord("late", CurveRecordWriter::kRay, kRay);
    EXPECT_FALSE(ReadStream(middle));
    EXPECT_EQ(Curve("late"), nullptr);
}

TEST_F(CurveStreamTest, MissingStreamFileReadsNothing) {
    m_reader = std::make_unique<XMLProducerImpl>(UTF16String(m_dir.PathOf("doc.xml")), &m_options);
    const GeomFileContext context(*m_reader, false);
    EXPECT_FALSE(GeometryStreamFile::ReadGeometryStreamFile(context, UTF16String("none.bin"),
                                                            m_meshes, &m_curves, false));
    EXPECT_TRUE(m_curves.empty());
}

TEST_F(CurveStreamTest, DocumentCurvesReachPartsAndTheDispatcher) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("c1", CurveRecordWriter::kLine, kLine);
    stream.AddCurveRecord("c2", CurveRecordWriter::kRay, kRay);
    stream.AddCurveRecord("unused", CurveRecordWriter::kRay, kRay);
    stream.WriteTo(m_dir.PathOf("geom.bin"));
    XMLProducerImpl& context = Load([](Writer::XmlDocumentBuilder& b) {
        b.Element("GeometryInfo", {{"GenerateGeometry", "True"}, {"Path", "geom.bin"}});
        File(b, "a", "True", {"p"});
        b.Open("IPart").Attribute("ID", "p").Open("ChildSet");
        b.Element("ICurve", {{"ID", "c1"}, {"Label", "in part"}});
        b.Element("ICurve", {{"ID", "nothing"}});
        b.Close().Close();
        b.Element("ICurve", {{"ID", "c2"}, {"Visibility", "0"}});
        // The same id again, top level: held already, so no second curve.
        b.Element("ICurve", {{"ID", "c1"}, {"Label", "again"}});
    });
    auto* part = dynamic_cast<IPart*>(context.FindObject(UTF8String("p")));
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->ChildCount(), 1u);
    EXPECT_EQ(part->ChildAt(0).Id(), UTF8String("c1"));
    EXPECT_EQ(part->ChildAt(0).Kind(), ObjectKindEnum::kCurve);
    EXPECT_EQ(context.FindObject(UTF8String("c1"))->Label(), UTF16String(u"in part"));

    auto* top = dynamic_cast<ICurve*>(context.FindObject(UTF8String("c2")));
    ASSERT_NE(top, nullptr);
    EXPECT_FALSE(top->IsVisible());
    EXPECT_TRUE(HoldsA<IRayData>(top->CurveDataAt(0)));
    EXPECT_EQ(context.Cache().curvesById.size(), 1u);
    EXPECT_EQ(context.Cache().curvesById.count(UTF8String("unused")), 1u);
}

TEST_F(CurveStreamTest, PrefixedIdsFindStreamCurvesByTheirIdAsRead) {
    GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("c1", CurveRecordWriter::kLine, kLine);
    stream.WriteTo(m_dir.PathOf("geom.bin"));
    XMLProducerImpl& context = Load(
        [](Writer::XmlDocumentBuilder& b) {
            b.Element("GeometryInfo", {{"GenerateGeometry", "True"}, {"Path", "geom.bin"}});
            b.Element("ICurve", {{"ID", "c1"}});
        },
        "n");
    EXPECT_TRUE(context.Cache().curvesById.empty());
    EXPECT_EQ(context.FindObject(UTF8String("c1")), nullptr);
    ASSERT_EQ(context.Collector()->Size(), 1u);
}

} // namespace
} // namespace Orvik::Test
