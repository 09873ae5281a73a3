#include "TempDirectory.h"
#include "geometry/GeomFileContext.h"
#include "geometry/MeshSegmentFile.h"
#include "geometry/SubdivMeshFile.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "orvik/writer/MeshSegmentFileWriter.h"
#include "orvik/writer/SubdivMeshFileWriter.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLSubdivMesh.h"

#include <fstream>
#include <gtest/gtest.h>

namespace Orvik {
namespace {

using Writer::LittleEndianBytes;
using Writer::MeshSegmentFileWriter;
using Writer::SubdivMeshFileWriter;

constexpr std::uint64_t kHuge = std::uint64_t{1} << 60;

LittleEndianBytes U64s(LittleEndianBytes bytes, std::initializer_list<std::uint64_t> values) {
    for (const std::uint64_t value : values)
        bytes.U64(value);
    return bytes;
}

class MeshSideFileTest : public ::testing::Test {
protected:
    MeshSideFileTest()
        : m_producer(UTF16String(m_dir.PathOf("doc.xml").c_str()), &m_options)
        , m_context(m_producer.Context(), UTF16String(m_dir.PathOf("doc.xml")), false) {}

    std::string Put(const std::string& bytes, const std::string& name = "side.bin") {
        std::ofstream(m_dir.PathOf(name), std::ios::binary) << bytes;
        return name;
    }

    bool Segments(const std::string& bytes) {
        const UTF16String full(m_dir.PathOf(Put(bytes)).c_str());
        return MeshSegmentFile::ReadMeshSegmentFile(m_context, full, meshes);
    }

    bool Subdiv(const std::string& bytes) {
        return SubdivMeshFile::ReadSubdivMeshFile(m_context, UTF16String(Put(bytes).c_str()),
                                                  meshes);
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

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    XMLProducerImpl m_producer;
    GeomFileContext m_context;
    MeshTable meshes;
};

TEST_F(MeshSideFileTest, SegmentsRoundTripWithVisibilityForLeadingFacesOnly) {
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
}

TEST_F(MeshSideFileTest, SegmentFixedBytes) {
    XMLPolygonMesh& mesh = AddMesh("m");
    // One record "m": one face segment {9}, one edge segment {3, 4}, no visibility flags.
    const std::string bytes =
        U64s(U64s(LittleEndianBytes().U64(1).String("m"), {1, 1, 0, 1, 9}), {2, 3, 4}).Bytes();
    MeshSegmentFileWriter writer;
    writer.AddMesh("m", {{9}}, {}, {{3, 4}});
    EXPECT_EQ(writer.Bytes(), bytes);
    ASSERT_TRUE(Segments(bytes));
    EXPECT_FALSE(mesh.HasFaceSegmentVisibility());
    EXPECT_EQ(mesh.FaceSegments().at(0).Polygons().At(0), 9u);
}

TEST_F(MeshSideFileTest, SegmentReaderEarlyAnswers) {
    const UTF16String missing(m_dir.PathOf("missing.bin").c_str());
    EXPECT_TRUE(MeshSegmentFile::ReadMeshSegmentFile(m_context, missing, meshes))
        << "empty mesh table: the file is not even opened";
    AddMesh("m1");
    EXPECT_FALSE(MeshSegmentFile::ReadMeshSegmentFile(m_context, missing, meshes));
    EXPECT_FALSE(Segments(LittleEndianBytes().U64(0).Bytes())) << "no records";
    EXPECT_FALSE(Segments(LittleEndianBytes().U64(kHuge).String("m1").Bytes()));
}

TEST_F(MeshSideFileTest, SubdivisionAndUnknownIdsAreIdOnlyRecords) {
    meshes[UTF8String("sd")] =
        std::make_unique<XMLSubdivMesh>(std::make_unique<XMLPolygonMesh>(UTF8String("sd")));
    XMLPolygonMesh& mesh = AddMesh("m1");
    MeshSegmentFileWriter writer;
    writer.AddIdOnly("sd");
    writer.AddIdOnly("nowhere");
    writer.AddIdOnly("");
    writer.AddMesh("m1", {{1}}, {true}, {});
    ASSERT_TRUE(Segments(writer.Bytes()));
    EXPECT_EQ(mesh.FaceSegments().size(), 1u);
    EXPECT_TRUE(SubdivAt("sd")->FaceSegments().empty());
}

TEST_F(MeshSideFileTest, SegmentFilesCutOrInflatedFail) {
    AddMesh("m1");
    MeshSegmentFileWriter writer;
    writer.AddMesh("m1", {{0, 1}}, {true}, {{2, 3}});
    const std::string bytes = writer.Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(Segments(bytes.substr(0, size))) << "cut at " << size;

    auto header = [](std::uint64_t f, std::uint64_t e, std::uint64_t v) {
        return LittleEndianBytes().U64(1).String("m1").U64(f).U64(e).U64(v);
    };
    for (const LittleEndianBytes& inflated :
         {header(kHuge, 0, 0), header(0, kHuge, 0), header(0, 0, kHuge), header(1, 0, 0).U64(kHuge),
          header(0, 1, 0).U64(kHuge)})
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
}

TEST_F(MeshSideFileTest, SubdivisionFileFixedBytesAndRules) {
    // Leading 0 and one record: a 0, "s", one crease 3-4 of sharpness 0.5.
    const std::string bytes =
        U64s(U64s(LittleEndianBytes(), {0, 1, 0}).String("s"), {1, 3, 4}).Double(0.5).Bytes();
    SubdivMeshFileWriter writer;
    writer.AddMesh("s", {{3, 4, 0.5}});
    EXPECT_EQ(writer.Bytes(), bytes);

    writer.SetLeadingValue(1);
    EXPECT_FALSE(Subdiv(writer.Bytes())) << "leading value not 0";
    EXPECT_TRUE(meshes.empty());
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(0).Bytes())) << "no records";
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(kHuge).Bytes()));
    EXPECT_FALSE(
        SubdivMeshFile::ReadSubdivMeshFile(m_context, UTF16String(u"missing.bin"), meshes));
    EXPECT_TRUE(Subdiv(bytes));
}

TEST_F(MeshSideFileTest, SubdivisionFilesCutOrInflatedFail) {
    SubdivMeshFileWriter writer;
    writer.AddMesh("s1", {{0, 1, 1.0}, {1, 2, 2.0}});
    writer.AddMesh("s2", {{2, 3, 3.0}});
    const std::string bytes = writer.Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        meshes.clear();
        EXPECT_FALSE(Subdiv(bytes.substr(0, size))) << "cut at " << size;
    }
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(1).U64(0).String("s").U64(kHuge).Bytes()));
    EXPECT_FALSE(Subdiv(LittleEndianBytes().U64(0).U64(1).U64(0).U64(kHuge).Bytes()));
}

} // namespace
} // namespace Orvik
