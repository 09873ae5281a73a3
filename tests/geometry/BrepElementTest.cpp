#include "../producer/RecordingEventManager.h"
#include "GeometryFixture.h"
#include "geometry/BrepElementParser.h"
#include "geometry/VeldFileReader.h"
#include "orvik/writer/BodyFileWriter.h"
#include "veld/BODY.h"
#include "veld/VeldHistoryUtil.h"

namespace Orvik::Test {
namespace {

using Writer::BodyFileWriter;

// Documents with a body file holding "B1" (two faces, one edge) and the brep elements a test
// adds.
class BrepElementTest : public GeometryFixture {
protected:
    void LoadBreps(const std::string& breps, const char* prefix = nullptr) {
        BodyFileWriter()
            .AddBody({"B1", {"F1", "F2"}, {{"", "E1", BodyFileWriter::Line{}}}})
            .WriteText(m_dir.PathOf("bodies.sat"));
        LoadXml(R"(<SatInfo Path="bodies.sat"/><IFile ID="1" IsRoot="True"/>)" + breps, prefix);
    }
};

// Face and edge styles need the body; visible only for the text "1"; a tolerance not above zero
// is left unset.
TEST_F(BrepElementTest, BodyIsTakenByIdAndFacesNeedIt) {
    LoadBreps(R"(<IBrep ID="B1" Label="Block" Visibility="true" NetVisibility="1">
        <Tolerance AngularTolerance="0" LinearTolerance="-0.5" ParamTolerance="0.25"/>
        <Face ID="F1"><Styles><StyleRef ID="S1"/><StyleRef ID="S1"/><StyleRef ID=""/>
          <StyleRef ID="S2"/></Styles></Face>
        <Edge ID="E1"><Styles><StyleRef ID="S3"/></Styles></Edge></IBrep>
      <IBrep ID="NoBody" Visibility="1">
        <Face ID="F1"><Styles><StyleRef ID="S1"/></Styles></Face></IBrep>)");
    const auto& brep = Get<IBrep>("B1");
    ASSERT_NE(brep.Body(), nullptr);
    EXPECT_EQ(brep.Body()->face_count(), 2u);
    EXPECT_EQ(brep.BodyDI(), UTF8String("B1"));
    EXPECT_EQ(brep.Label(), UTF16String("Block"));
    EXPECT_EQ(brep.SrcGeomType(), IBrep::kProducerGeometryType_Brep);
    EXPECT_FALSE(brep.IsVisible());
    EXPECT_TRUE(brep.IsNetVisible());
    EXPECT_EQ(Tolerances(brep), (Xyz{-1.0, -1.0, 0.25}));
    ASSERT_NE(brep.StylesMap(), nullptr);
    const auto& styles = brep.StylesMap()->Styles();
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(Ids(styles.at(UTF8String("F1"))), (std::vector<std::string>{"S1", "S2"}));
    EXPECT_EQ(Ids(styles.at(UTF8String("E1"))), std::vector<std::string>{"S3"});
    const auto& bare = Get<IBrep>("NoBody");
    EXPECT_EQ(bare.Body(), nullptr);
    EXPECT_EQ(bare.StylesMap(), nullptr);
    EXPECT_TRUE(bare.IsVisible());
    EXPECT_FALSE(bare.IsNetVisible());
    EXPECT_EQ(Tolerances(bare), (Xyz{-1.0, -1.0, -1.0}));
}

// "UnitAndTolerance" counts only where neither "Unit" nor a tolerance is given.
TEST_F(BrepElementTest, UnitAndToleranceCountsOnlyWithoutUnitOrTolerance) {
    const std::string unitAndTolerance = R"(<UnitAndTolerance LengthUnit="kUnitType_Inch"
        AngularTolerance="0.1" LinearTolerance="0.2" ParamTolerance="0.3"/>)";
    const std::string unit = R"(<Unit LengthUnit="kUnitType_Foot"
        DisplayAngleUnit="kUnitType_Degree" DisplayLengthUnit="kUnitType_Meter"/>)";
    LoadBreps("<IBrep ID=\"Alone\">" + unitAndTolerance + "</IBrep><IBrep ID=\"Before\">" +
              unitAndTolerance + unit + "</IBrep><IBrep ID=\"After\">" + unit + unitAndTolerance +
              "</IBrep>");
    const auto& alone = Get<IBrep>("Alone");
    EXPECT_EQ(UnitOf(alone, &IUnit::DisplayLengthUnit), UnitTypeEnum::kUnitType_Inch);
    EXPECT_EQ(UnitOf(alone, &IUnit::DisplayAngleUnit), UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(Tolerances(alone), (Xyz{0.1, 0.2, 0.3}));
    EXPECT_EQ(UnitOf(alone, &IUnit::LengthUnit), std::nullopt);
    for (const char* id : {"Before", "After"}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(UnitOf(Get<IBrep>(id), &IUnit::DisplayLengthUnit), UnitTypeEnum::kUnitType_Meter);
        EXPECT_EQ(UnitOf(Get<IBrep>(id), &IUnit::DisplayAngleUnit), UnitTypeEnum::kUnitType_Degree);
        EXPECT_EQ(Get<IBrep>(id).AngularTolerance(), -1.0);
    }
}

TEST_F(BrepElementTest, PresentationAndIdPrefixReachTheBrep) {
    LoadBreps(R"(<IBrep ID="B1" VersionPersistentId="v7" Type="kProducerGeometryType_Solid">
        <ChangeKey>ck</ChangeKey>
        <Styles><StyleRef ID="S1"/></Styles>
        <Materials><MaterialRef ID="M1"/></Materials>
        <Animations><AnimationRef ID="A1"/></Animations>
        <Transform>1 0 0 5  0 1 0 6  0 0 1 7  0 0 0 1</Transform></IBrep>)",
              "N");
    // Remapped ids, but the body is found under the id the document gave.
    const UTF8String brepId = Context().ReferenceId(UTF8String("B1"));
    EXPECT_NE(brepId, UTF8String("B1"));
    const auto& brep = Get<IBrep>(brepId.Value());
    ASSERT_NE(brep.Body(), nullptr);
    EXPECT_EQ(brep.SrcGeomType(), IBrep::kProducerGeometryType_Solid);
    EXPECT_EQ(ChangeKeyOf(brep), "ck");
    EXPECT_EQ(VersionOf(brep), "v7");
    ASSERT_EQ(brep.Styles().Size(), 1u);
    EXPECT_NE(brep.Styles().At(0), UTF8String("S1"));
    EXPECT_EQ(brep.Materials().Size(), 1u);
    IdSet animations;
    EXPECT_EQ(brep.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(animations.Size(), 1u);
    EXPECT_EQ(brep.Transform().At(0, 3), 5.0);
}

// The first element makes the brep; the second finds it held.
TEST_F(BrepElementTest, ChildSetsOfPartsAndAssembliesListTheBrepOnce) {
    LoadBreps(R"(<IPart ID="P1"><ChildSet><IBrep ID="B1" Visibility="1"/>
        <IBrep ID="B1" Visibility="0"/></ChildSet></IPart>
      <IAssembly ID="A1"><ChildSet><IBrep ID="B9"/></ChildSet></IAssembly>)");
    const auto& part = Get<IPart>("P1");
    ASSERT_EQ(part.ChildCount(), 2u);
    EXPECT_EQ(part.ChildAt(0).Kind(), ObjectKindEnum::kBrep);
    EXPECT_EQ(part.ChildAt(1).Id(), UTF8String("B1"));
    EXPECT_TRUE(Get<IBrep>("B1").IsVisible());
    EXPECT_EQ(ChildIds(Get<IAssembly>("A1")), std::vector<std::string>{"B9"});
}

// Persistent ids come from the element itself unless the side file gave a table; a table entry
// is handed to one brep only.
class BrepPersistentIdTest : public BrepElementTest {
protected:
    static constexpr const char* kInlineIds = R"(<SubObjectPersistentIds>
        <Entry DataId="inline-face" PersistentId="inline"/></SubObjectPersistentIds>)";

    void AddToTable(const char* objectId, const char* dataId) {
        auto ids = std::make_unique<EditableDataIdToPersistentIdMap>();
        ids->Add(UTF8String(dataId), UTF8String("fromFile"));
        Context().Cache().subObjectPersistentIds[UTF8String(objectId)] = std::move(ids);
    }
};

TEST_F(BrepPersistentIdTest, InlineIdsAreReadWhenNoSideFileGaveAny) {
    LoadBreps(std::string("<IBrep ID=\"B1\">") + kInlineIds + "</IBrep>");
    const auto* ids = Get<IBrep>("B1").PersistentIDsMap();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->Ids().at(UTF8String("inline-face")), UTF8String("inline"));
}

TEST_F(BrepPersistentIdTest, TableEntriesAreTakenOnceAndInlineIdsIgnored) {
    // Held back from the loading pass, and read by hand once the table is filled.
    LoadBreps(std::string("<Later><IBrep ID=\"X1\">") + kInlineIds + "</IBrep></Later>");
    const auto* element = Element(u"IBrep");
    AddToTable("X1", "file-face");
    AddToTable("Other", "other-face");
    UTF8String id;
    ASSERT_TRUE(BrepElementParser::ParseBrepElement(Context(), element,
                                                    Context().Cache().bodiesByDxid, id));
    EXPECT_EQ(id, UTF8String("X1"));
    const auto* ids = Get<IBrep>("X1").PersistentIDsMap();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->Size(), 1u);
    EXPECT_EQ(ids->Ids().count(UTF8String("file-face")), 1u);
    const SubObjectIdTable& table = Context().Cache().subObjectPersistentIds;
    EXPECT_EQ(table.count(UTF8String("X1")), 0u);
    EXPECT_EQ(table.count(UTF8String("Other")), 1u);

    // A second element with the id finds the brep held and changes nothing.
    AddToTable("X1", "again");
    ASSERT_TRUE(BrepElementParser::ParseBrepElement(Context(), element,
                                                    Context().Cache().bodiesByDxid, id));
    EXPECT_EQ(Get<IBrep>("X1").PersistentIDsMap()->Size(), 1u);
}

class VeldFileReaderTest : public GeometryFixture {
protected:
    bool Restore(const std::string& name) {
        return VeldFileReader::RestoreVeldFile(SideFiles(), UTF16String(name), m_curves, m_bodies);
    }

    static BodyFileWriter OneBody(const std::string& dxid, std::size_t faces = 0) {
        BodyFileWriter writer;
        writer.AddBody({dxid, std::vector<std::string>(faces, "F"), {}});
        return writer;
    }

    BodyTable m_bodies;
    EdgeCurveTable m_curves;
};

TEST_F(VeldFileReaderTest, SabAndVlbInAnyCaseAreBinaryEverythingElseIsText) {
    const std::pair<const char*, bool> names[] = {{"a.sab", true},        {"dir.x/b.VLB", true},
                                                  {"c.SaB", true},        {"d.sat", false},
                                                  {"noextension", false}, {"e.sab.txt", false}};
    for (const auto& [name, binary] : names)
        EXPECT_EQ(VeldFileReader::IsBinaryBodyFile(UTF16String(name)), binary) << name;

    OneBody("Bin").WriteBinary(m_dir.PathOf("upper.VlB"));
    OneBody("Txt").WriteText(m_dir.PathOf("plain"));
    EXPECT_TRUE(Restore("upper.VlB"));
    EXPECT_TRUE(Restore("plain"));
    EXPECT_EQ(m_bodies.count(UTF8String("Bin")), 1u);
    EXPECT_EQ(m_bodies.count(UTF8String("Txt")), 1u);

    // The name decides the layout, not the content; a file that fails adds nothing.
    OneBody("Wrong").WriteBinary(m_dir.PathOf("binary.sat"));
    EXPECT_FALSE(Restore("binary.sat"));
    EXPECT_FALSE(Restore("missing.sab"));
    BodyFileWriter::Ellipse flat;
    flat.ratio = 0.0;
    BodyFileWriter broken;
    broken.AddBody({"Good", {}, {}}).AddEdge({"W1", "", flat});
    broken.WriteBinary(m_dir.PathOf("broken.sab"));
    EXPECT_FALSE(Restore("broken.sab"));
    EXPECT_EQ(m_bodies.size(), 2u);
    EXPECT_TRUE(m_curves.empty());
}

// The restore files its bodies in a history of the load's own and leaves the active one alone.
TEST_F(VeldFileReaderTest, FirstBodyPerIdStaysAndHistoryGetsOnePerIdInIdOrder) {
    VeldHistoryUtil::SetActiveHistoryStream(nullptr);
    BodyFileWriter writer;
    writer.AddBody({"B2", {"F"}, {}})
        .AddBody({"B1", {"F"}, {}})
        .AddBody({"B2", {"F", "F", "F"}, {}})
        .AddBody({"", {"F"}, {}});
    writer.WriteBinary(m_dir.PathOf("bodies.sab"));
    ASSERT_TRUE(Restore("bodies.sab"));
    ASSERT_EQ(m_bodies.size(), 2u);
    EXPECT_EQ(m_bodies.at(UTF8String("B2"))->face_count(), 1u);
    const auto stream = VeldHistoryUtil::LastSeparateHistoryStream();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Entities(), (std::vector<std::string>{"B1", "B2"}));
    EXPECT_EQ(VeldHistoryUtil::ActiveStream(), nullptr);
    EXPECT_NE(Reader().HistoryStream(), nullptr);

    // A later file does not replace bodies already held.
    OneBody("B1", 5).WriteText(m_dir.PathOf("more.sat"));
    ASSERT_TRUE(Restore("more.sat"));
    EXPECT_EQ(m_bodies.at(UTF8String("B1"))->face_count(), 1u);
}

TEST_F(VeldFileReaderTest, FreeEdgesBecomeCurvesFirstPerIdAndOtherEntitiesAreIgnored) {
    BodyFileWriter::Ellipse ellipse;
    BodyFileWriter writer;
    writer.AddEdge({"W1", "", BodyFileWriter::Line{}})
        .AddEdge({"W1", "", ellipse})
        .AddEdge({"", "", ellipse})
        .AddEdge({"W2", "", ellipse})
        .AddPoint({"P1", {}})
        .AddBody({"B1", {}, {{"BodyEdge", "", BodyFileWriter::Line{}}}});
    writer.WriteText(m_dir.PathOf("edges.txt"));
    ASSERT_TRUE(Restore("edges.txt"));
    ASSERT_EQ(m_curves.size(), 2u);
    EXPECT_NE(m_curves.at(UTF8String("W1"))->line(), nullptr);
    EXPECT_NE(m_curves.at(UTF8String("W2"))->ellipse(), nullptr);
    EXPECT_EQ(m_curves.count(UTF8String("BodyEdge")), 0u);
    EXPECT_EQ(m_bodies.count(UTF8String("P1")), 0u);
    // Curves own their geometry: the body may go.
    m_bodies.clear();
    EXPECT_EQ(m_curves.at(UTF8String("W2"))->ellipse()->ratio, 1.0);
}

class InsecureBodyFileTest : public LoaderFixture {};

// A document whose "SatInfo" names an insecure body file. Allowed, the restore reports code 15
// and keeps the body; refused, code 16 and the load goes on; without a receiver nothing is
// reported.
TEST_F(InsecureBodyFileTest, RestoreIsReportedAsAllowedOrRefused) {
    BodyFileWriter()
        .SetInsecure(true)
        .AddBody({"B1", {}, {}})
        .WriteBinary(m_dir.PathOf("unsafe.sab"));
    const std::string path = Write([](Writer::XmlDocumentBuilder& b) {
        b.Element("SatInfo", {{"Path", "unsafe.sab"}});
        File(b, "1", "True");
    });
    const struct {
        bool allow;
        bool receiver;
        int code;
    } cases[] = {{true, true, 15}, {false, true, 16}, {true, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        RecordingEventManager events;
        m_options.SetWantRestoreInsecureVeldFiles(c.allow);
        m_context = std::make_unique<XMLProducerImpl>(UTF16String(path), &m_options);
        m_context->BeginProcess(IdSet(), &m_filter, c.receiver ? &events : nullptr);
        EXPECT_EQ(m_context->Context().Cache().bodiesByDxid.count(UTF8String("B1")),
                  c.allow ? 1u : 0u);
        EXPECT_FALSE(m_context->RootObjectId().Id().IsEmpty());
        ASSERT_EQ(events.records.size(), c.receiver ? 1u : 0u);
        if (!c.receiver)
            continue;
        const auto& record = events.records[0];
        EXPECT_EQ(record.eventType, 0);
        EXPECT_EQ(record.errorCode, c.code);
        EXPECT_EQ(record.reporter, 2);
        EXPECT_EQ(record.fileName, "unsafe.sab");
    }
}

} // namespace
} // namespace Orvik::Test
