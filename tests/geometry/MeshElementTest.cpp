#include "GeometryFixture.h"
#include "geometry/MeshSegmentFile.h"
#include "geometry/PolygonMeshElementReader.h"
#include "geometry/SubdivMeshFile.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "orvik/writer/MeshSegmentFileWriter.h"
#include "orvik/writer/SubdivMeshFileWriter.h"
#include "xml_util/XMLSubdivMesh.h"

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

// The orientation is always answered unknown; absent attributes give the defaults. A mesh whose
// element never comes stays in the table, unregistered; an element without a mesh makes nothing.
TEST_F(PolygonMeshElementTest, ElementCompletesStreamMeshOnceAndForcesOrientation) {
    WriteStream({"m1", "m2", "unused"});
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
      <IPolygonMesh ID="m2" Orientation="kPolygonMeshOrientation_CounterClockwise"/>
      <IPolygonMesh ID="nomesh"/>)");
    const auto& mesh = Get<IPolygonMesh>("m1");
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

    EXPECT_EQ(Find("nomesh"), nullptr);
    EXPECT_EQ(Find("unused"), nullptr);
    EXPECT_EQ(Context().Cache().meshesById.size(), 1u);
    EXPECT_EQ(Context().Cache().meshesById.count(UTF8String("unused")), 1u);
    // The element again finds the mesh taken.
    UTF8String id;
    EXPECT_FALSE(PolygonMeshElementReader::ParsePolygonMeshElement(
        Context(), Element(u"IPolygonMesh"), Context().Cache().meshesById, id));
    EXPECT_EQ(id, UTF8String("m1"));
    EXPECT_EQ(Get<IPolygonMesh>("m1").Label(), UTF16String(u"Mesh one"));
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

// Under an id prefix the table is still searched by the id as written.
TEST_F(PolygonMeshElementTest, ChildSetsListTheirMeshesUnderTheirNewIds) {
    WriteStream({"am", "pm"});
    LoadXml(kMeshInfo + R"(
      <IAssembly ID="a"><ChildSet><IPolygonMesh ID="am"/><IPolygonMesh ID="missing"/></ChildSet>
      </IAssembly>
      <IPart ID="p"><ChildSet><IPolygonMesh ID="pm"/></ChildSet></IPart>)");
    EXPECT_EQ(ChildIds(Get<IAssembly>("a")), std::vector<std::string>{"am"});
    EXPECT_EQ(ChildIds(Get<IPart>("p")), std::vector<std::string>{"pm"});
    EXPECT_NE(dynamic_cast<IPolygonMesh*>(Find("pm")), nullptr);

    WriteStream({"m1"});
    LoadXml(kMeshInfo + R"(<IPolygonMesh ID="m1"/>)", "N");
    EXPECT_EQ(Find("m1"), nullptr);
    EXPECT_TRUE(Context().Cache().meshesById.empty());
    EXPECT_NE(dynamic_cast<IPolygonMesh*>(Find("N1")), nullptr);
}

using Writer::LittleEndianBytes;
using Writer::MeshSegmentFileWriter;
using Writer::SubdivMeshFileWriter;

constexpr std::uint64_t kHuge = std::uint64_t{1} << 60;

LittleEndianBytes U64s(LittleEndianBytes bytes, std::initializer_list<std::uint64_t> values) {
    for (const std::uint64_t value : values)
        bytes.U64(value);
    return bytes;
}

class MeshSideFileTest : public GeometryFixture {
protected:
    // Segment files are named by their full path, subdivision files beside the document.
    bool Segments(const std::string& bytes) {
        const UTF16String path(m_dir.Write("side.bin", bytes));
        return MeshSegmentFile::ReadMeshSegmentFile(SideFiles(), path, meshes);
    }

    bool Subdiv(const std::string& bytes) {
        m_dir.Write("side.bin", bytes);
        return SubdivMeshFile::ReadSubdivMeshFile(SideFiles(), UTF16String(u"side.bin"), meshes);
    }

    XMLPolygonMesh& AddMesh(const char* id) {
        auto mesh = std::make_unique<XMLPolygonMesh>(UTF8String(id));
        XMLPolygonMesh& held = *mesh;
        meshes[UTF8String(id)] = std::move(mesh);
        return held;
    }

    XMLSubdivMesh* SubdivAt(const char* id) {
        const auto found = meshes.find(UTF8String(id));
        return found == meshes.end() ? nullptr : dynamic_cast<XMLSubdivMesh*>(found->second.get());
    }

    MeshTable meshes;
};

TEST_F(MeshSideFileTest, SegmentsRoundTripWithVisibilityForLeadingFacesOnlyInFixedBytes) {
    XMLPolygonMesh& mesh = AddMesh("m1");
    MeshSegmentFileWriter writer;
    writer.AddMesh("m1", {{0, 1}, {2}, {3, 4, 5}}, {false, true}, {{0, 1, 2}, {7}});
    ASSERT_TRUE(Segments(writer.Bytes()));
    EXPECT_TRUE(mesh.HasFaceSegmentVisibility());
    ASSERT_EQ(mesh.FaceSegments().size(), 3u);
    EXPECT_EQ(mesh.FaceSegments()[0].Polygons().Indices(), (std::vector<std::uint32_t>{0, 1}));
    EXPECT_FALSE(mesh.FaceSegments()[0].IsVisible());
    EXPECT_TRUE(mesh.FaceSegments()[1].IsVisible());
    EXPECT_TRUE(mesh.FaceSegments()[2].IsVisible()) << "no flag: default visibility";
    ASSERT_EQ(mesh.EdgeSegments().size(), 2u);
    EXPECT_EQ(mesh.EdgeSegments()[0].Vertices().Indices(), (std::vector<std::uint32_t>{0, 1, 2}));

    XMLPolygonMesh& fixedMesh = AddMesh("m");
    // One record "m": one face segment {9}, one edge segment {3, 4}, no visibility flags.
    const std::string bytes =
        U64s(U64s(LittleEndianBytes().U64(1).String("m"), {1, 1, 0, 1, 9}), {2, 3, 4}).Bytes();
    MeshSegmentFileWriter fixed;
    fixed.AddMesh("m", {{9}}, {}, {{3, 4}});
    EXPECT_EQ(fixed.Bytes(), bytes);
    ASSERT_TRUE(Segments(bytes));
    EXPECT_FALSE(fixedMesh.HasFaceSegmentVisibility());
    EXPECT_EQ(fixedMesh.FaceSegments().at(0).Polygons().At(0), 9u);
}

TEST_F(MeshSideFileTest, SubdivisionAndUnknownIdsAreIdOnlyRecords) {
    meshes[UTF8String("sd")] =
        std::make_unique<XMLSubdivMesh>(std::make_unique<XMLPolygonMesh>(UTF8String("sd")));
    XMLPolygonMesh& mesh = AddMesh("m1");
    MeshSegmentFileWriter writer;
    for (const char* id : {"sd", "nowhere", ""})
        writer.AddIdOnly(id);
    writer.AddMesh("m1", {{1}}, {true}, {});
    ASSERT_TRUE(Segments(writer.Bytes()));
    EXPECT_EQ(mesh.FaceSegments().size(), 1u);
    EXPECT_TRUE(SubdivAt("sd")->FaceSegments().empty());
}

TEST_F(MeshSideFileTest, SegmentFilesMissingEmptyCutOrInflatedFail) {
    const UTF16String missing(m_dir.PathOf("missing.bin"));
    EXPECT_TRUE(MeshSegmentFile::ReadMeshSegmentFile(SideFiles(), missing, meshes))
        << "empty mesh table: the file is not even opened";
    AddMesh("m1");
    EXPECT_FALSE(MeshSegmentFile::ReadMeshSegmentFile(SideFiles(), missing, meshes));
    EXPECT_FALSE(Segments(LittleEndianBytes().U64(0).Bytes())) << "no records";

    MeshSegmentFileWriter writer;
    writer.AddMesh("m1", {{0, 1}}, {true}, {{2, 3}});
    const std::string bytes = writer.Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(Segments(bytes.substr(0, size))) << "cut at " << size;

    auto header = [](std::uint64_t f, std::uint64_t e, std::uint64_t v) {
        return LittleEndianBytes().U64(1).String("m1").U64(f).U64(e).U64(v);
    };
    for (const LittleEndianBytes& inflated :
         {LittleEndianBytes().U64(kHuge).String("m1"), header(kHuge, 0, 0), header(0, kHuge, 0),
          header(0, 0, kHuge), header(1, 0, 0).U64(kHuge), header(0, 1, 0).U64(kHuge)})
        EXPECT_FALSE(Segments(inflated.Bytes()));
}

TEST_F(MeshSideFileTest, SubdivisionFileRoundTripsAndReplacesEntries) {
    AddMesh("s2");
    SubdivMeshFileWriter writer;
    writer.AddMesh("s1", {{0, 1, 2.0}});
    writer.AddEmptyRecord();
    writer.AddMesh("s2", {});
    ASSERT_TRUE(Subdiv(writer.Bytes()));
    ASSERT_EQ(meshes.size(), 2u);
    ASSERT_NE(SubdivAt("s1"), nullptr);
    EXPECT_EQ(SubdivAt("s1")->Id(), UTF8String("s1"));
    ASSERT_EQ(SubdivAt("s1")->Creases().size(), 1u);
    EXPECT_EQ(SubdivAt("s1")->Creases()[0].Sharpness(), 2.0);
    EXPECT_NE(SubdivAt("s2"), nullptr) << "the polygon mesh was replaced";

    // Leading 0 and one record: a 0, "s", one crease 3-4 of sharpness 0.5.
    const std::string bytes =
        U64s(U64s(LittleEndianBytes(), {0, 1, 0}).String("s"), {1, 3, 4}).Double(0.5).Bytes();
    SubdivMeshFileWriter fixed;
    fixed.AddMesh("s", {{3, 4, 0.5}});
    EXPECT_EQ(fixed.Bytes(), bytes);
    EXPECT_TRUE(Subdiv(bytes));
}

TEST_F(MeshSideFileTest, SubdivisionFilesMalformedCutOrInflatedFail) {
    SubdivMeshFileWriter writer;
    writer.AddMesh("s1", {{0, 1, 1.0}, {1, 2, 2.0}});
    writer.AddMesh("s2", {{2, 3, 3.0}});
    const std::string bytes = writer.Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        meshes.clear();
        EXPECT_FALSE(Subdiv(bytes.substr(0, size))) << "cut at " << size;
    }
    meshes.clear();
    writer.SetLeadingValue(1);
    EXPECT_FALSE(Subdiv(writer.Bytes())) << "leading value not 0";
    EXPECT_TRUE(meshes.empty());
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(0).Bytes())) << "no records";
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(kHuge).Bytes()));
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(1).U64(0).String("s").U64(kHuge).Bytes()));
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(1).U64(0).U64(kHuge).Bytes()));
    EXPECT_FALSE(
        SubdivMeshFile::ReadSubdivMeshFile(SideFiles(), UTF16String(u"missing.bin"), meshes));
}

} // namespace
} // namespace Orvik::Test
