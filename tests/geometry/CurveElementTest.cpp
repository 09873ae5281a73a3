#include "DomParser.h"
#include "GeometryFixture.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/GeometryStreamFile.h"
#include "geometry/XMLCurve.h"
#include "orvik/api/IRayData.h"
#include "orvik/api/IStraightData.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "veld/Curve.h"

#include <sstream>
#include <stdexcept>

namespace Orvik::Test {
namespace {

using W = Writer::CurveRecordWriter;
using xercesc::DOMElement;

const std::string kLine = W::Line({0, 0, 0}, {1, 0, 0}, 0, 2);
const std::string kRay = W::Ray({1, 1, 1}, {0, 0, 1});

template <typename Interface>
bool HoldsA(const ICurveData* data) {
    return dynamic_cast<const Interface*>(data) != nullptr;
}

class CurveElementTest : public GeometryFixture {
protected:
    // Writes the stream beside a document and reads it as a "GeometryInfo" section would.
    bool ReadStream(std::initializer_list<CurveRecord> records, const char* name = "geom.bin") {
        WriteCurves(records);
        m_curves.clear();
        // A window smaller than a record when asked: records straddle refills.
        if (m_smallWindow)
            return GeometryStreamFile::ReadGeometryStreamFile(SideFiles(true), UTF16String(name),
                                                              m_meshes, &m_curves, false, 7);
        return GeometryStreamFile::ReadGeometryStreamFile(SideFiles(true), UTF16String(name),
                                                          m_meshes, &m_curves, false);
    }

    void ExpectIdAnnouncedTwiceAppends();
    void ExpectTruncatedRecordsFail();

    XMLCurve* Curve(const char* id) {
        const auto found = m_curves.find(UTF8String(id));
        return found == m_curves.end() ? nullptr : dynamic_cast<XMLCurve*>(found->second.get());
    }

    // A stream curve waiting in the table under its id, holding one line record.
    void AddStreamCurve(const std::string& id) {
        std::istringstream in(std::string(64, '\0'));
        Reader().Cache().curvesById[UTF8String(id)] =
            std::make_unique<XMLCurve>(&Reader(), &in, 1, false);
    }

    // Without a load, elements are read against side tables filled by hand.
    ExternalGeometryTables Tables() { return Reader().Cache().GeometryTables(); }
    const DOMElement& Parse(const std::string& xml) { return *m_dom.Parse(xml); }
    std::size_t Held() { return m_reader.Collector()->Size(); }

    TestSupport::DomParser m_dom;
    bool m_smallWindow = false;
    MeshTable m_meshes;
    CurveTable m_curves;
};

// Each record goes to the reader of its type (what each reads is checked with the records
// alone); a code beyond 32 bits must not be taken for the line it would narrow to.
// Read through the usual window and through one smaller than a record: both read alike.
TEST_F(CurveElementTest, IdAnnouncedTwiceAppendsAndUnknownTypesAddNothing) {
    for (const bool smallWindow : {false, true}) {
        SCOPED_TRACE(smallWindow ? "small window" : "usual window");
        m_smallWindow = smallWindow;
        ExpectIdAnnouncedTwiceAppends();
    }
}

void CurveElementTest::ExpectIdAnnouncedTwiceAppends() {
    ASSERT_TRUE(ReadStream({{"c", W::kLine, kLine},
                            {"c", W::kRay, kRay},
                            {"c", 99, "ignored bytes"},
                            {"odd", 99, "ignored bytes"},
                            {"wide", (1ULL << 32) + 1, kLine}}));
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
TEST_F(CurveElementTest, TruncatedRecordOrMissingFileFailsAndKeepsWhatCameBefore) {
    for (const bool smallWindow : {false, true}) {
        SCOPED_TRACE(smallWindow ? "small window" : "usual window");
        m_smallWindow = smallWindow;
        ExpectTruncatedRecordsFail();
    }
}

void CurveElementTest::ExpectTruncatedRecordsFail() {
    EXPECT_FALSE(ReadStream({{"good", W::kLine, kLine}, {"good", W::kLine, kLine.substr(0, 40)}}));
    ASSERT_NE(Curve("good"), nullptr);
    EXPECT_EQ(Curve("good")->CurveDataCount(), 1u);

    EXPECT_FALSE(ReadStream({{"cut", W::kRay, kRay.substr(0, 47)}}));
    EXPECT_TRUE(m_curves.empty());
    EXPECT_FALSE(ReadStream({{"short", W::kLine, kLine.substr(0, 40)}, {"late", W::kRay, kRay}}));
    EXPECT_EQ(Curve("late"), nullptr);
    EXPECT_FALSE(ReadStream({{"good", W::kLine, kLine}}, "none.bin"));
    EXPECT_TRUE(m_curves.empty());
}

// An absolute path is taken as it stands, not joined below the document's folder.
TEST_F(CurveElementTest, AStreamNamedByItsAbsolutePathInsideTheFolderIsRead) {
    WriteCurves({{"c1", W::kLine, kLine}});
    for (const std::string& path : {std::string("geom.bin"), m_dir.PathOf("geom.bin")}) {
        SCOPED_TRACE(path);
        LoadXml(R"(<GeometryInfo GenerateGeometry="True" Path=")" + path +
                R"("/><ICurve ID="c1"/>)");
        EXPECT_NE(dynamic_cast<ICurve*>(Find("c1")), nullptr);
        EXPECT_TRUE(m_context->Diagnostics().Entries().empty());
        EXPECT_EQ(SideFiles().ResolvePath(UTF16String(path)),
                  UTF16String(m_dir.PathOf("geom.bin")));
    }
}

TEST_F(CurveElementTest, DocumentCurvesReachPartsAndTheDispatcher) {
    WriteCurves({{"c1", W::kLine, kLine}, {"c2", W::kRay, kRay}, {"unused", W::kRay, kRay}});
    // The file reaches the part first; the same id again at the top level finds the curve held.
    LoadXml(kGeometryInfo + R"(
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
TEST_F(CurveElementTest, PrefixedIdsFindStreamCurvesByTheirIdAsRead) {
    WriteCurves({{"c1", W::kLine, kLine}});
    Writer::BodyFileWriter().AddEdge({"e", "", {}}).WriteText(m_dir.PathOf("edges.sat"));
    LoadXml(kGeometryInfo + R"(<SatInfo Path="edges.sat"/>
      <ICurve ID="c1"><VeldEntity EntityId="e"/></ICurve>)",
            "n");
    EXPECT_TRUE(Context().Cache().curvesById.empty());
    EXPECT_EQ(Find("c1"), nullptr);
    EXPECT_EQ(m_context->Collector()->Size(), 1u);
    EXPECT_EQ(KernelCurveCount(Find(Context().ReferenceId(UTF8String("c1")).Value())), 0u);
}

std::unique_ptr<Veld::curve> KernelLine(double length) {
    Veld::LineGeometry line;
    line.direction = {1.0, 0.0, 0.0};
    line.end = length;
    return std::make_unique<Veld::curve>(line);
}

TEST_F(CurveElementTest, AttributesAndChildrenWithTheirLetterCaseRules) {
    XMLCurve curve(&Reader());
    ASSERT_TRUE(curve.ParseCurveElement(&Parse(R"(<ICurve ID="c" Label="Edge">
        <styles><StyleRef ID="s1"/></styles>
        <NETSTYLES><StyleRef ID="s2"/></NETSTYLES>
        <materials><MaterialRef ID="m1"/></materials>
        <extensiondata TypeId="t"/>
        <Tolerance AngularTolerance="-2" LinearTolerance="0.5" ParamTolerance="0.25"/>
        <Unit LengthUnit="kUnitType_Millimeter" DisplayLengthUnit="kUnitType_Meter"/>
        <ChangeKey>k1</ChangeKey>
        <Transform>1 0 0 5 0 1 0 0 0 0 1 0</Transform>
      </ICurve>)"),
                                        {}));
    EXPECT_EQ(curve.Id(), UTF8String("c"));
    EXPECT_EQ(curve.Label(), UTF16String(u"Edge"));
    EXPECT_TRUE(curve.IsVisible());
    EXPECT_TRUE(curve.IsNetVisible());
    EXPECT_EQ(Ids(curve.Styles()), std::vector<std::string>{"s1"});
    EXPECT_EQ(Ids(curve.NetStyles()), std::vector<std::string>{"s2"});
    EXPECT_EQ(Ids(curve.Materials()), std::vector<std::string>{"m1"});
    ExtensionDataContent content;
    EXPECT_EQ(curve.ExtensionDataByTypeId(UTF8String("t"), content),
              IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(Tolerances(curve), (Xyz{-2.0, 0.5, 0.25}));
    EXPECT_EQ(UnitOf(curve, &IUnit::LengthUnit), UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(UnitOf(curve, &IUnit::DisplayLengthUnit), UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(ChangeKeyOf(curve), "k1");
    ASSERT_TRUE(curve.HasTransform());
    EXPECT_EQ(curve.Transform().At(0, 3), 5.0);

    // Visible unless the attribute says anything but "1"; an identity transform is none.
    XMLCurve other(&Reader());
    other.ParseCurveElement(&Parse(R"(<ICurve ID="c2" Visibility="0" NetVisibility="True"
        VersionPersistentId="v7"><Transform>1 0 0 0 0 1 0 0 0 0 1 0</Transform></ICurve>)"),
                            {});
    EXPECT_FALSE(other.IsVisible());
    EXPECT_FALSE(other.IsNetVisible());
    EXPECT_EQ(VersionOf(other), "v7");
    EXPECT_FALSE(other.HasTransform());
}

TEST_F(CurveElementTest, KernelCurvesCopiedPerListingAndOneNullRecord) {
    EdgeCurveTable edges;
    edges[UTF8String("e1")] = KernelLine(2.0);
    edges[UTF8String("e2")] = KernelLine(3.0);
    XMLCurve curve(&Reader());
    curve.ParseCurveElement(&Parse(R"(<ICurve ID="k">
        <VeldEntity EntityId="e1"/><VeldEntity EntityId="missing"/>
        <VeldEntity EntityId="e2"/><VeldEntity EntityId="e1"/></ICurve>)"),
                            edges);
    std::vector<const Veld::curve*> kernel;
    curve.KernelCurves(kernel);
    ASSERT_EQ(kernel.size(), 3u);
    EXPECT_EQ(kernel[0]->line()->end, 2.0);
    EXPECT_EQ(kernel[1]->line()->end, 3.0);
    // Copies: the table keeps its own curves, and the curve destroys only its copies.
    EXPECT_NE(kernel[0], edges[UTF8String("e1")].get());
    EXPECT_NE(kernel[0], kernel[2]);
    EXPECT_EQ(curve.CurveDataCount(), 1u);
    EXPECT_EQ(curve.CurveDataAt(0), nullptr);
    EXPECT_THROW(curve.CurveDataAt(1), std::out_of_range);
}

TEST_F(CurveElementTest, ChildCurvePrefersTheStreamAndFallsBackToKernelCurves) {
    const DOMElement& element = Parse(R"(<ICurve ID="c1"><VeldEntity EntityId="e"/></ICurve>)");
    EXPECT_EQ(CurveElementReaders::ReadChildCurve(Reader(), element, Tables()), nullptr);

    AddStreamCurve("c1");
    Reader().Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    IObject* stream = CurveElementReaders::ReadChildCurve(Reader(), element, Tables());
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(KernelCurveCount(stream), 0u);
    IObject* made = CurveElementReaders::ReadChildCurve(
        Reader(), Parse(R"(<ICurve ID="c2"><VeldEntity EntityId="e"/></ICurve>)"), Tables());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(KernelCurveCount(made), 1u);
    EXPECT_EQ(Held(), 2u);
}

TEST_F(CurveElementTest, DispatchRuleTakesCachedCurveAndMakesNoSecond) {
    const DOMElement& element = Parse(R"(<ICurve ID="c1"/>)");
    auto outcome = CurveElementReaders::DispatchCurve(Reader(), element, Tables());
    EXPECT_FALSE(outcome.result);
    EXPECT_FALSE(outcome.consumed);

    AddStreamCurve("c1");
    AddStreamCurve("c9");
    outcome = CurveElementReaders::DispatchCurve(Reader(), element, Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    IObject* first = Reader().Find(UTF8String("c1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Reader().Cache().curvesById.count(UTF8String("c1")), 0u);

    Reader().Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    outcome = CurveElementReaders::DispatchCurve(Reader(), element, Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(Held(), 1u);
    EXPECT_EQ(Reader().Find(UTF8String("c1")), first);

    // A stream table without this id: the kernel step makes the curve.
    outcome = CurveElementReaders::DispatchCurve(Reader(), Parse(R"(<ICurve ID="k"/>)"), Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    EXPECT_EQ(Held(), 2u);
}

} // namespace
} // namespace Orvik::Test
