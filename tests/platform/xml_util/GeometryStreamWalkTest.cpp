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

// Id, type code and the one u64 of payload.
using Curve = std::tuple<std::string, std::uint64_t, std::uint64_t>;

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

    std::vector<Curve> curves;

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

using PolygonStyles = std::vector<std::pair<std::uint64_t, std::vector<std::string>>>;

// A stream of one mesh "m".
std::string Stream(const StreamMesh& mesh, const PolygonStyles& styles = {}, bool legacy = false,
                   bool innerLoops = false) {
    GeometryStreamWriter writer(legacy, innerLoops);
    writer.AddMesh("m", mesh);
    if (!styles.empty())
        writer.AddMeshStyleIds(styles);
    return writer.Bytes();
}

class GeometryStreamWalkTest : public ::testing::Test {
protected:
    // Meshes read before are dropped unless kept.
    bool Walk(const std::string& bytes, bool legacy = false, bool innerLoops = false,
              bool keepMeshes = false) {
        if (!keepMeshes)
            meshes.clear();
        std::ifstream in(m_dir.Write("stream.bin", bytes), std::ios::binary);
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
    std::vector<Curve> curves;
};

TEST_F(GeometryStreamWalkTest, MeshRecordRoundTripsEveryPartAndCurveRecordsInterleave) {
    GeometryStreamWriter writer(false, false);
    writer.AddCurveRecord("c1", 1, Word(11));
    writer.AddMesh("m", Square());
    writer.AddMeshStyleIds({{1, {"s1", "s2", "s1"}}});
    writer.AddCurveRecord("c1", 4, Word(12));
    writer.AddCurveRecord("c2", 99, Word(13) + Word(14));
    writer.AddCurveRecord("c3", 6, Word(15));
    ASSERT_TRUE(Walk(writer.Bytes()));

    EXPECT_EQ(curves, (std::vector<Curve>{{"c1", 1, 11}, {"c1", 4, 12}, {"c3", 6, 15}}));
    const XMLPolygonMesh* mesh = Mesh("m");
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->Id(), UTF8String("m"));
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
    StreamMesh mesh = Square();
    const std::string legacy = Stream(mesh, {}, true);
    ASSERT_TRUE(Walk(legacy, true));
    EXPECT_TRUE(Mesh("m")->TextureCoordinates().empty());
    EXPECT_FALSE(Walk(legacy, false)) << "the newer layout misplaces every later field";
    mesh.polygons = {{{0, 1, 2, 3}, {{0, 1, 2}}}};
    ASSERT_TRUE(Walk(Stream(mesh, {}, false, true), false, true));
    const auto& polygons = Mesh("m")->Polygons();
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].InnerLoops().size(), 1u);
    EXPECT_EQ(polygons[0].InnerLoops()[0].Size(), 3u);
}

TEST_F(GeometryStreamWalkTest, FixedBytesOfSmallestStream) {
    // Version 1; one mesh record "m" with one vertex and no normals, uvs or polygons.
    const std::string bytes = Word(1) + Word(1) + Word(9 + 8 + 24 + 24) + Word(1) + "m" + Word(1) +
                              std::string(24, '\0') + Word(0) + Word(0) + Word(0);
    ASSERT_TRUE(Walk(bytes));
    ASSERT_NE(Mesh("m"), nullptr);
    EXPECT_EQ(Mesh("m")->Vertices().size(), 1u);
    StreamMesh one;
    one.positions = {{0, 0, 0}};
    EXPECT_EQ(Stream(one), bytes);
}

TEST_F(GeometryStreamWalkTest, MalformedStreamsFailKeepingOnlyEarlierRecords) {
    ASSERT_TRUE(Walk(Word(1)));
    EXPECT_TRUE(meshes.empty());

    const std::string good = Stream(Square());
    StreamMesh badIndex = Square();
    badIndex.polygons = {{{0, 1, 4}, {}}};
    StreamMesh fewNormals = Square();
    fewNormals.normals.pop_back();
    const std::uint64_t huge = std::uint64_t{1} << 60;
    const std::string id = Word(1) + "m";
    auto mesh = [](const std::string& content) {
        return Word(1) + Word(1) + Word(content.size()) + content;
    };
    const struct {
        const char* what;
        std::string bytes;
        std::size_t meshesKept;
    } cases[] = {
        {"empty file", "", 0},
        {"unknown version", Word(2), 0},
        {"unknown record kind", good + Word(7) + Word(0), 1},
        {"length past the end", good + Word(1) + Word(huge), 1},
        {"curve reader takes more than its record",
         Word(1) + Word(3) + Word(3 + 8) + Word(1) + "c" + Word(1) + Word(5), 0},
        {"styles before any mesh", Word(1) + Word(2) + Word(8) + Word(0), 0},
        {"vertex index past the vertex list", Stream(badIndex), 0},
        {"normals neither absent nor one per vertex", Stream(fewNormals), 0},
        {"style for a polygon the mesh lacks", Stream(Square(), {{2, {"s"}}}), 1},
        // Huge counts must fail before anything is allocated for them.
        {"huge vertex count", mesh(id + Word(huge)), 0},
        {"huge normal count", mesh(id + Word(0) + Word(huge)), 0},
        {"huge uv count", mesh(id + Word(0) + Word(0) + Word(huge)), 0},
        {"huge polygon count", mesh(id + Word(0) + Word(0) + Word(0) + Word(huge)), 0},
        {"huge loop size",
         mesh(id + Word(1) + std::string(24, '\0') + Word(0) + Word(0) + Word(1) + Word(huge)), 0},
        {"huge id length", Word(1) + Word(1) + Word(8) + Word(huge), 0},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Walk(c.bytes)) << c.what;
        EXPECT_EQ(meshes.size(), c.meshesKept) << c.what;
    }
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
        // A cut at a record boundary leaves a shorter stream that is whole.
        EXPECT_EQ(Walk(bytes.substr(0, size)), boundaries.count(size) == 1) << "cut at " << size;
    }
    EXPECT_TRUE(Walk(bytes));
}

TEST_F(GeometryStreamWalkTest, StreamGivesCageToSubdivisionMeshAlreadyInTable) {
    meshes[UTF8String("m")] =
        std::make_unique<XMLSubdivMesh>(std::make_unique<XMLPolygonMesh>(UTF8String("m")));
    ASSERT_TRUE(Walk(Stream(Square()), false, false, true));
    auto* subdiv = dynamic_cast<XMLSubdivMesh*>(meshes[UTF8String("m")].get());
    ASSERT_NE(subdiv, nullptr);
    EXPECT_EQ(subdiv->Vertices().size(), 4u);
    EXPECT_EQ(subdiv->Polygons().size(), 2u);
}

} // namespace
} // namespace Orvik
