#include "TempDirectory.h"
#include "orvik/api/IOUtil.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/MeshStreamReader.h"
#include "xml_util/XMLPolygonMesh.h"
#include "xml_util/XMLReaderUtil.h"
#include "xml_util/XMLStreamReaderInterface.h"
#include "xml_util/XMLSubdivMesh.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace Orvik {
namespace {

using Writer::GeometryStreamWriter;
using Writer::LittleEndianBytes;
using Writer::StreamMesh;

// Meshes go to the real mesh reader; a curve payload here is one u64, recorded as read.
class RecordingReader : public XMLStreamReaderInterface {
public:
    RecordingReader(std::ifstream* stream, bool legacy, MeshObjectTable& meshes, bool innerLoops)
        : m_meshes(stream, legacy, IOUtil::IsBigEndian(), meshes, innerLoops) {}

    bool LegacyGeomFile() const override { return m_meshes.LegacyGeomFile(); }
    bool BigEndian() const override { return m_meshes.BigEndian(); }
    std::ifstream* FileStreamPtr() const override { return m_meshes.FileStreamPtr(); }
    void ReadMeshStyleIds() override { m_meshes.ReadMeshStyleIds(); }
    bool ReadMesh(const UTF8String& id) override { return m_meshes.ReadMesh(id); }
    bool ReadCurve(const UTF8String& id, std::uint64_t typeCode) override {
        std::uint64_t value = 0;
        if (typeCode == 99)
            return true; // a type this reader does not know: payload left unread
        BinaryReadWriteUtil::BinaryRead(*FileStreamPtr(), value, BigEndian());
        curves.emplace_back(id.Value(), typeCode, value);
        return true;
    }

    std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>> curves;

private:
    MeshStreamReader m_meshes;
};

std::string Word(std::uint64_t value) {
    return LittleEndianBytes().U64(value).Bytes();
}

StreamMesh Square() {
    StreamMesh mesh;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    mesh.normals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    mesh.textureCoordinates = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    mesh.polygons = {{{0, 1, 2}, {}}, {{0, 2, 3}, {}}};
    return mesh;
}

class GeometryStreamWalkTest : public ::testing::Test {
protected:
    bool Walk(const std::string& bytes, bool legacy = false, bool innerLoops = false) {
        const std::string path = m_dir.PathOf("stream.bin");
        std::ofstream(path, std::ios::binary) << bytes;
        std::ifstream in(path, std::ios::binary);
        RecordingReader reader(&in, legacy, meshes, innerLoops);
        const bool read = XMLReaderUtil::ReadGeometryFromExternalFile(reader);
        curves = reader.curves;
        return read;
    }

    const XMLPolygonMesh* Mesh(const std::string& id) const {
        const auto found = meshes.find(UTF8String(id));
        return found == meshes.end() ? nullptr
                                     : dynamic_cast<const XMLPolygonMesh*>(found->second.get());
    }

    TestSupport::TempDirectory m_dir;
    MeshObjectTable meshes;
    std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>> curves;
};

TEST_F(GeometryStreamWalkTest, MeshRecordRoundTripsEveryPart) {
    GeometryStreamWriter writer(false, false);
    writer.AddMesh("m1", Square());
    writer.AddMeshStyleIds({{1, {"s1", "s2", "s1"}}});
    ASSERT_TRUE(Walk(writer.Bytes()));

    const XMLPolygonMesh* mesh = Mesh("m1");
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->Id(), UTF8String("m1"));
    ASSERT_EQ(mesh->Vertices().size(), 4u);
    EXPECT_EQ(mesh->Vertices()[2], Position(1, 1, 0));
    EXPECT_EQ(mesh->Normals()[3], Vector(0, 0, 1));
    EXPECT_EQ(mesh->TextureCoordinates()[1], TextureCoordinate(1, 0));
    ASSERT_EQ(mesh->Polygons().size(), 2u);
    EXPECT_EQ(mesh->Polygons()[1].OuterLoop().Indices(), (std::vector<std::uint32_t>{0, 2, 3}));
    const auto& styles = mesh->PolygonStyles().Styles();
    ASSERT_EQ(styles.count(UTF8String("1")), 1u);
    EXPECT_EQ(styles.at(UTF8String("1")), (IdSet{"s1", "s2"}));
}

TEST_F(GeometryStreamWalkTest, LegacyAndInnerLoopLayoutsDifferAsDocumented) {
    GeometryStreamWriter legacy(true, false);
    StreamMesh mesh = Square();
    legacy.AddMesh("old", mesh);
    ASSERT_TRUE(Walk(legacy.Bytes(), true));
    EXPECT_TRUE(Mesh("old")->TextureCoordinates().empty());
    // The same bytes read as the newer layout misplace every later field.
    meshes.clear();
    EXPECT_FALSE(Walk(legacy.Bytes(), false));

    meshes.clear();
    GeometryStreamWriter holes(false, true);
    mesh.polygons = {{{0, 1, 2, 3}, {{0, 1, 2}}}};
    holes.AddMesh("holed", mesh);
    ASSERT_TRUE(Walk(holes.Bytes(), false, true));
    ASSERT_EQ(Mesh("holed")->Polygons().size(), 1u);
    ASSERT_EQ(Mesh("holed")->Polygons()[0].InnerLoops().size(), 1u);
    EXPECT_EQ(Mesh("holed")->Polygons()[0].InnerLoops()[0].Size(), 3u);
}

TEST_F(GeometryStreamWalkTest, FixedBytesOfSmallestStream) {
    // Version 1; one mesh record "a" with one vertex and no normals, uvs or polygons.
    const std::string bytes = Word(1) + Word(1) + Word(9 + 8 + 24 + 24) + Word(1) + "a" + Word(1) +
                              std::string(24, '\0') + Word(0) + Word(0) + Word(0);
    ASSERT_TRUE(Walk(bytes));
    ASSERT_NE(Mesh("a"), nullptr);
    EXPECT_EQ(Mesh("a")->Vertices().size(), 1u);

    GeometryStreamWriter writer(false, false);
    StreamMesh one;
    one.positions = {{0, 0, 0}};
    writer.AddMesh("a", one);
    EXPECT_EQ(writer.Bytes(), bytes);
}

TEST_F(GeometryStreamWalkTest, CurveRecordsInterleaveWithMeshes) {
    GeometryStreamWriter writer(false, false);
    writer.AddCurveRecord("c1", 1, Word(11));
    writer.AddMesh("m1", Square());
    writer.AddCurveRecord("c1", 4, Word(12));
    writer.AddCurveRecord("c2", 99, Word(13) + Word(14));
    writer.AddCurveRecord("c3", 6, Word(15));
    ASSERT_TRUE(Walk(writer.Bytes()));
    EXPECT_NE(Mesh("m1"), nullptr);
    using Curve = std::tuple<std::string, std::uint64_t, std::uint64_t>;
    EXPECT_EQ(curves, (std::vector<Curve>{{"c1", 1, 11}, {"c1", 4, 12}, {"c3", 6, 15}}));
}

TEST_F(GeometryStreamWalkTest, VersionOnlyStreamIsEmptyAndEmptyFileFails) {
    EXPECT_TRUE(Walk(Word(1)));
    EXPECT_TRUE(meshes.empty());
    EXPECT_FALSE(Walk(""));
    EXPECT_FALSE(Walk(Word(2)));
}

TEST_F(GeometryStreamWalkTest, FramingErrorsFailTheWalkAndKeepEarlierRecords) {
    GeometryStreamWriter writer(false, false);
    writer.AddMesh("first", Square());
    const std::string good = writer.Bytes();

    EXPECT_FALSE(Walk(good + Word(7) + Word(0))) << "unknown kind";
    EXPECT_NE(Mesh("first"), nullptr);
    meshes.clear();
    EXPECT_FALSE(Walk(good + Word(1) + Word(std::uint64_t{1} << 60))) << "length past end";
    meshes.clear();
    // A curve reader that takes more than its record holds.
    EXPECT_FALSE(Walk(Word(1) + Word(3) + Word(3 + 8) + Word(1) + "c" + Word(1) + Word(5)));
    meshes.clear();
    EXPECT_FALSE(Walk(Word(1) + Word(2) + Word(8) + Word(0))) << "styles before any mesh";
}

TEST_F(GeometryStreamWalkTest, BadMeshContentFails) {
    GeometryStreamWriter outOfRange(false, false);
    StreamMesh mesh = Square();
    mesh.polygons = {{{0, 1, 4}, {}}};
    outOfRange.AddMesh("m", mesh);
    EXPECT_FALSE(Walk(outOfRange.Bytes())) << "vertex index past the vertex list";

    GeometryStreamWriter fewNormals(false, false);
    mesh = Square();
    mesh.normals.pop_back();
    fewNormals.AddMesh("m", mesh);
    EXPECT_FALSE(Walk(fewNormals.Bytes())) << "normals neither absent nor one per vertex";

    GeometryStreamWriter badStyle(false, false);
    badStyle.AddMesh("m", Square());
    badStyle.AddMeshStyleIds({{2, {"s"}}});
    EXPECT_FALSE(Walk(badStyle.Bytes())) << "style for a polygon the mesh lacks";
}

TEST_F(GeometryStreamWalkTest, HugeCountsFailWithoutAllocating) {
    const std::uint64_t huge = std::uint64_t{1} << 60;
    const std::string id = Word(1) + "m";
    auto record = [&](const std::string& content) {
        return Word(1) + Word(1) + Word(content.size()) + content;
    };
    EXPECT_FALSE(Walk(record(id + Word(huge))));
    EXPECT_FALSE(Walk(record(id + Word(0) + Word(huge))));
    EXPECT_FALSE(Walk(record(id + Word(0) + Word(0) + Word(huge))));
    EXPECT_FALSE(Walk(record(id + Word(0) + Word(0) + Word(0) + Word(huge))));
    EXPECT_FALSE(Walk(
        record(id + Word(1) + std::string(24, '\0') + Word(0) + Word(0) + Word(1) + Word(huge))));
    EXPECT_FALSE(Walk(Word(1) + Word(1) + Word(8) + Word(huge)));
    EXPECT_TRUE(meshes.empty());
}

TEST_F(GeometryStreamWalkTest, EveryTruncationFailsCleanly) {
    GeometryStreamWriter writer(false, true);
    StreamMesh mesh = Square();
    mesh.polygons = {{{0, 1, 2, 3}, {{0, 1, 2}}}};
    std::set<std::size_t> boundaries{writer.Bytes().size()};
    writer.AddMesh("m1", mesh);
    boundaries.insert(writer.Bytes().size());
    writer.AddMeshStyleIds({{0, {"s"}}});
    boundaries.insert(writer.Bytes().size());
    writer.AddCurveRecord("c", 1, Word(3));
    const std::string bytes = writer.Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        meshes.clear();
        // A cut at a record boundary leaves a shorter stream that is whole.
        EXPECT_EQ(Walk(bytes.substr(0, size)), boundaries.count(size) == 1) << "cut at " << size;
    }
    meshes.clear();
    EXPECT_TRUE(Walk(bytes));
}

TEST_F(GeometryStreamWalkTest, StreamGivesCageToSubdivisionMeshAlreadyInTable) {
    meshes[UTF8String("sd")] =
        std::make_unique<XMLSubdivMesh>(std::make_unique<XMLPolygonMesh>(UTF8String("sd")));
    GeometryStreamWriter writer(false, false);
    writer.AddMesh("sd", Square());
    ASSERT_TRUE(Walk(writer.Bytes()));
    auto* subdiv = dynamic_cast<XMLSubdivMesh*>(meshes[UTF8String("sd")].get());
    ASSERT_NE(subdiv, nullptr);
    EXPECT_EQ(subdiv->Vertices().size(), 4u);
    EXPECT_EQ(subdiv->Polygons().size(), 2u);
}

} // namespace
} // namespace Orvik
