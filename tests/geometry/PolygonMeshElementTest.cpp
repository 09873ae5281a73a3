#include "GeometryFixture.h"
#include "geometry/PolygonMeshElementReader.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/MeshSegmentFileWriter.h"
#include "orvik/writer/SubdivMeshFileWriter.h"

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNodeList.hpp>

namespace Orvik::Test {
namespace {

const char* const kSubdivMarker = "0C46B962-76AE-431F-AA0C-5F2398F534CE";
const std::string kMeshInfo = R"(<MeshInfo GenerateMesh="True" Path="mesh.bin"/>)";

// Documents whose mesh stream holds a triangle under each id a test names.
class PolygonMeshElementTest : public GeometryFixture {
protected:
    void WriteStream(std::initializer_list<const char*> ids) {
        Writer::StreamMesh triangle;
        triangle.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
        triangle.polygons = {{{0, 1, 2}, {}}};
        Writer::GeometryStreamWriter stream(false, false);
        for (const char* id : ids)
            stream.AddMesh(id, triangle);
        stream.WriteTo(m_dir.PathOf("mesh.bin"));
    }
};

// The orientation is always answered unknown; absent attributes give the defaults.
TEST_F(PolygonMeshElementTest, ElementCompletesStreamMeshAndForcesOrientation) {
    WriteStream({"m1", "m2"});
    Writer::MeshSegmentFileWriter segments;
    segments.AddMesh("m1", {{0}}, {false}, {{0, 1}});
    segments.WriteTo(m_dir.PathOf("seg.bin"));
    LoadXml(kMeshInfo + R"(<MeshSegmentInfo GenerateMeshSegment="True" Path="seg.bin"/>
      <IPolygonMesh ID="m1" Label="Mesh one" LODID="lod1" Type="kPolygonMeshType_Triangles"
          Orientation="kPolygonMeshOrientation_Clockwise" Visibility="True"
          IsSingleSided="False" VersionPersistentId="v1">
        <ChangeKey>ck</ChangeKey>
        <Unit LengthUnit="Meter" DisplayLengthUnit="Millimeter"/>
        <Styles><StyleRef ID="s1"/></Styles>
        <Materials><MaterialRef ID="mat"/></Materials>
      </IPolygonMesh>
      <IPolygonMesh ID="m2" Orientation="kPolygonMeshOrientation_CounterClockwise"/>)");
    const auto& mesh = Get<IPolygonMesh>("m1");
    EXPECT_TRUE(Context().Cache().meshesById.empty());
    EXPECT_EQ(mesh.Label(), UTF16String(u"Mesh one"));
    EXPECT_EQ(mesh.LodId(), UTF8String("lod1"));
    EXPECT_EQ(mesh.MeshType(), IPolygonMesh::kPolygonMeshType_Triangles);
    EXPECT_EQ(mesh.MeshOrientation(), IPolygonMesh::kPolygonMeshOrientation_Unknown);
    EXPECT_TRUE(mesh.IsVisible());
    bool singleSided = true;
    ASSERT_EQ(mesh.IsSingleSided(singleSided), IsValueSpecifiedEnum::kSpecified);
    EXPECT_FALSE(singleSided);
    EXPECT_EQ(ChangeKeyOf(mesh), "ck");
    EXPECT_EQ(UnitOf(mesh, &IUnit::LengthUnit), UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(UnitOf(mesh, &IUnit::DisplayLengthUnit), UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(mesh.Styles(), (IdSet{"s1"}));
    EXPECT_EQ(mesh.Materials(), (IdSet{"mat"}));
    EXPECT_EQ(mesh.Vertices().size(), 3u);
    ASSERT_EQ(mesh.FaceSegments().size(), 1u);
    EXPECT_FALSE(mesh.FaceSegments()[0].IsVisible());

    const auto& bare = Get<IPolygonMesh>("m2");
    EXPECT_FALSE(bare.IsVisible());
    EXPECT_EQ(bare.MeshType(), IPolygonMesh::kPolygonMeshType_Unknown);
    EXPECT_EQ(bare.MeshOrientation(), IPolygonMesh::kPolygonMeshOrientation_Unknown);
    EXPECT_EQ(bare.IsSingleSided(singleSided), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(UnitOf(bare, &IUnit::LengthUnit), std::nullopt);
}

// A mesh whose element never comes stays in the table, unregistered.
TEST_F(PolygonMeshElementTest, SecondElementWithSameIdAndMissingMeshesFindNothing) {
    WriteStream({"m1", "unused"});
    LoadXml(kMeshInfo + R"(<IPolygonMesh ID="m1" Label="first"/><IPolygonMesh ID="nomesh"/>)");
    EXPECT_EQ(Find("nomesh"), nullptr);
    UTF8String id;
    const auto* first = static_cast<const xercesc::DOMElement*>(
        m_context->Parser()->getDocument()->getElementsByTagName(u"IPolygonMesh")->item(0));
    EXPECT_FALSE(PolygonMeshElementReader::ParsePolygonMeshElement(
        Context(), first, Context().Cache().meshesById, id));
    EXPECT_EQ(id, UTF8String("m1"));
    EXPECT_EQ(Get<IPolygonMesh>("m1").Label(), UTF16String(u"first"));
    EXPECT_EQ(Context().Cache().meshesById.count(UTF8String("unused")), 1u);
    EXPECT_EQ(Find("unused"), nullptr);
}

TEST_F(PolygonMeshElementTest, SubdivisionMeshTakesCageFromStreamAndFillsThroughSameSteps) {
    WriteStream({"sd"});
    Writer::SubdivMeshFileWriter subdiv;
    subdiv.AddMesh("sd", {{0, 1, 3.0}});
    subdiv.WriteTo(m_dir.PathOf("subdiv.bin"));
    m_filter.SetWantSubdivMesh(true);
    m_context = std::make_unique<XMLProducerImpl>(
        UTF16String(Write([](Builder& b) {
            b.Raw(R"(<SubdivMeshInfo GenerateSubdivMesh="True" Path="subdiv.bin"/>)" + kMeshInfo +
                  R"(<IPolygonMesh ID="sd" LODID="fine" Visibility="True"/>)");
        })),
        &m_options);
    m_context->BeginProcess(IdSet{kSubdivMarker}, &m_filter, nullptr);
    const auto& mesh = Get<ISubdivMesh>("sd");
    EXPECT_EQ(mesh.LodId(), UTF8String("fine"));
    EXPECT_TRUE(mesh.IsVisible());
    EXPECT_EQ(mesh.Vertices().size(), 3u);
    ASSERT_EQ(mesh.Creases().size(), 1u);
    EXPECT_EQ(mesh.Creases()[0].Sharpness(), 3.0);
    EXPECT_EQ(KindOf(Find("sd")), ObjectKindEnum::kSubdivMesh);
}

TEST_F(PolygonMeshElementTest, AssemblyAndPartChildSetsListTheirMeshes) {
    WriteStream({"am", "pm"});
    LoadXml(kMeshInfo + R"(
      <IAssembly ID="a"><ChildSet><IPolygonMesh ID="am"/><IPolygonMesh ID="missing"/></ChildSet>
      </IAssembly>
      <IPart ID="p"><ChildSet><IPolygonMesh ID="pm"/></ChildSet></IPart>)");
    EXPECT_EQ(ChildIds(Get<IAssembly>("a")), std::vector<std::string>{"am"});
    EXPECT_EQ(ChildIds(Get<IPart>("p")), std::vector<std::string>{"pm"});
    EXPECT_NE(dynamic_cast<IPolygonMesh*>(Find("pm")), nullptr);
}

TEST_F(PolygonMeshElementTest, IdPrefixRenamesMeshButTableIsSearchedAsWritten) {
    WriteStream({"m1"});
    LoadXml(kMeshInfo + R"(<IPolygonMesh ID="m1"/>)", "N");
    EXPECT_EQ(Find("m1"), nullptr);
    EXPECT_TRUE(Context().Cache().meshesById.empty());
    EXPECT_NE(dynamic_cast<IPolygonMesh*>(Find("N1")), nullptr);
}

} // namespace
} // namespace Orvik::Test
