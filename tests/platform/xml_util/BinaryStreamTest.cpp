#include "TempDirectory.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/IObjectVisitor.h"
#include "orvik/api/ObjectKind.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/MeshStreamReader.h"
#include "xml_util/WindowedFileBuffer.h"
#include "xml_util/XMLPolygonMesh.h"
#include "xml_util/XMLReaderUtil.h"
#include "xml_util/XMLStreamReaderInterface.h"
#include "xml_util/XMLSubdivMesh.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace Orvik {
namespace {

using Writer::GeometryStreamWriter;
using Writer::LittleEndianBytes;
using Writer::StreamMesh;

using Util = BinaryReadWriteUtil;

std::istringstream Input(const std::string& bytes) {
    return std::istringstream(bytes, std::ios::binary);
}

// 0x0102 as u64, -2.5, the byte 7, the string "abc", then two flags.
const std::string kLayout("\x02\x01\x00\x00\x00\x00\x00\x00"
                          "\x00\x00\x00\x00\x00\x00\x04\xc0"
                          "\x07"
                          "\x03\x00\x00\x00\x00\x00\x00\x00"
                          "abc\x01\x00",
                          30);

TEST(BinaryReadWriteUtilTest, WriterAndReaderAgreeOnTheLittleEndianLayout) {
    std::ostringstream out(std::ios::binary);
    Util::BinaryWrite(out, std::uint64_t{0x0102}, false);
    Util::BinaryWrite(out, -2.5, false);
    Util::BinaryWrite(out, std::uint8_t{7}, false);
    Util::WriteData(out, UTF8String("abc"), false);
    EXPECT_EQ(out.str(), kLayout.substr(0, 28));

    auto in = Input(kLayout);
    std::uint64_t word = 0;
    double number = 0;
    std::uint8_t byte = 0;
    UTF8String text;
    bool first = false;
    bool second = true;
    ASSERT_TRUE(Util::BinaryRead(in, word, false) && Util::BinaryRead(in, number, false) &&
                Util::BinaryRead(in, byte, false) && Util::ReadData(in, text, false) &&
                Util::ReadData(in, first, second, false));
    EXPECT_EQ(word, 0x0102u);
    EXPECT_EQ(number, -2.5);
    EXPECT_EQ(byte, 7);
    EXPECT_EQ(text, UTF8String("abc"));
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(Util::BytesLeft(in), 0u);

    // Written as a big-endian host would lay it out in memory, read back the same way.
    std::ostringstream swapped(std::ios::binary);
    Util::BinaryWrite(swapped, std::uint64_t{0x0102030405060708}, true);
    EXPECT_EQ(swapped.str(), std::string("\x01\x02\x03\x04\x05\x06\x07\x08"));
    auto back = Input(swapped.str());
    ASSERT_TRUE(Util::BinaryRead(back, word, true));
    EXPECT_EQ(word, 0x0102030405060708u);
}

TEST(BinaryReadWriteUtilTest, ReadsFailAtTheEndAndStringsLongerThanTheRest) {
    auto shortWord = Input(std::string("\x01\x02\x03", 3));
    std::uint64_t word = 0;
    EXPECT_FALSE(Util::BinaryRead(shortWord, word, false));
    EXPECT_EQ(Util::BytesLeft(shortWord), 0u);
    auto empty = Input("");
    std::uint8_t byte = 0;
    EXPECT_FALSE(Util::BinaryRead(empty, byte, false));

    // A length one past the text, and one so huge that allocating it would fail.
    for (std::uint64_t length : {std::uint64_t{4}, std::uint64_t{1} << 60}) {
        auto in = Input(Writer::LittleEndianBytes().U64(length).Raw("abc").Bytes());
        UTF8String text("kept");
        EXPECT_FALSE(Util::ReadData(in, text, false)) << length;
        EXPECT_EQ(text, UTF8String("kept"));
    }
}

TEST(BinaryReadWriteUtilTest, CountFitsComparesAgainstBytesLeftWithoutOverflow) {
    EXPECT_TRUE(Util::CountFits(24, 3, 8));
    EXPECT_FALSE(Util::CountFits(23, 3, 8));
    EXPECT_TRUE(Util::CountFits(0, 0, 8));
    EXPECT_FALSE(Util::CountFits(100, std::uint64_t{1} << 62, 8));
    EXPECT_FALSE(Util::CountFits(std::numeric_limits<std::uint64_t>::max(),
                                 std::numeric_limits<std::uint64_t>::max(), 2));

    auto in = Input(std::string(16, '\0'));
    std::uint64_t word = 0;
    Util::BinaryRead(in, word, false);
    EXPECT_EQ(Util::BytesLeft(in), 8u);
    EXPECT_TRUE(Util::CountFits(in, 1, 8));
    EXPECT_FALSE(Util::CountFits(in, 2, 8));
}

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
    bool Walk(const std::string& bytes, bool legacy = false, bool innerLoops = false) {
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

std::unique_ptr<XMLSubdivMesh> MakeSubdiv() {
    auto cage = std::make_unique<XMLPolygonMesh>(UTF8String("s1"));
    cage->SetLabel(UTF16String(u"cage"));
    return std::make_unique<XMLSubdivMesh>(std::move(cage));
}

bool ReadCreases(XMLSubdivMesh& mesh, const std::string& bytes) {
    std::istringstream in(bytes, std::ios::binary);
    return mesh.ReadCreaseData(in, false);
}

TEST(XMLSubdivMeshTest, CreasesReadWholeOrNotAtAll) {
    auto mesh = MakeSubdiv();
    // Count, then per crease two u64 vertex indices and a double sharpness.
    const std::string two =
        LittleEndianBytes().U64(2).U64(0).U64(1).Double(2.5).U64(1).U64(2).Double(0.5).Bytes();
    for (std::size_t size = 0; size < two.size(); ++size)
        EXPECT_FALSE(ReadCreases(*mesh, two.substr(0, size))) << size;
    EXPECT_FALSE(ReadCreases(*mesh, LittleEndianBytes().U64(std::uint64_t{1} << 60).Bytes()));
    EXPECT_TRUE(mesh->Creases().empty());

    ASSERT_TRUE(ReadCreases(*mesh, two));
    ASSERT_EQ(mesh->Creases().size(), 2u);
    EXPECT_EQ(mesh->Creases()[1].From(), 1u);
    EXPECT_EQ(mesh->Creases()[1].To(), 2u);
    EXPECT_EQ(mesh->Creases()[0].Sharpness(), 2.5);
    EXPECT_FALSE(ReadCreases(*mesh, two.substr(0, 40)));
    EXPECT_EQ(mesh->Creases().size(), 2u) << "a failed read keeps the creases held";
}

TEST(XMLSubdivMeshTest, IdentityStaysOnWrapperWhileGeometryComesFromCage) {
    auto mesh = MakeSubdiv();
    mesh->SetId(UTF8String("renamed"));
    mesh->SetObjectLabel(UTF16String(u"outer"));
    mesh->Cage().SetGeometry({Position(1, 2, 3)}, {}, {}, {});
    EXPECT_EQ(mesh->Id(), UTF8String("renamed"));
    EXPECT_EQ(mesh->Label(), UTF16String(u"outer"));
    EXPECT_EQ(mesh->Vertices().at(0), Position(1, 2, 3));
    EXPECT_EQ(KindOf(mesh.get()), ObjectKindEnum::kSubdivMesh);
    EXPECT_EQ(KindOf(&mesh->Cage()), ObjectKindEnum::kPolygonMesh);
}

} // namespace
} // namespace Orvik

namespace Orvik {
namespace {

// A walk of reads, position queries and seeks (from the start, from here, from the end, inside
// and outside the window) gives through every window size what a stream over the bytes in memory
// gives, the bytes-left check included. Past the end, as in a file, there is nothing to read.
TEST(WindowedFileBuffer, WalksLikeAStreamInMemoryWhateverTheWindow) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes.push_back(static_cast<char>(i * 7 + 3));
    TestSupport::TempDirectory folder;
    const std::string path = folder.Write("stream.bin", bytes);

    enum Op { kRead, kSeekBegin, kSeekHere, kSeekEnd };
    const std::vector<std::pair<Op, int>> walk = {
        {kRead, 5},        {kRead, 1},     {kSeekHere, -3}, {kRead, 10},
        {kSeekBegin, 500}, {kRead, 300},   {kSeekHere, 0},  {kSeekBegin, 2},
        {kRead, 1},        {kSeekEnd, -4}, {kRead, 8},      {kSeekBegin, 990},
        {kRead, 10},       {kSeekEnd, 0},  {kSeekBegin, 0}, {kRead, 1000}};

    for (const std::size_t window : {1u, 3u, 7u, 64u, 4096u}) {
        SCOPED_TRACE("window " + std::to_string(window));
        WindowedFileBuffer buffer(window);
        ASSERT_TRUE(buffer.Open(path));
        std::istream windowed(&buffer);
        std::istringstream memory = Input(bytes);
        for (std::size_t step = 0; step < walk.size(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            const auto [op, value] = walk[step];
            for (std::istream* in :
                 {static_cast<std::istream*>(&windowed), static_cast<std::istream*>(&memory)}) {
                in->clear();
                if (op == kSeekBegin)
                    in->seekg(value, std::ios::beg);
                else if (op == kSeekHere)
                    in->seekg(value, std::ios::cur);
                else if (op == kSeekEnd)
                    in->seekg(value, std::ios::end);
            }
            if (op == kRead) {
                std::string fromWindow(static_cast<std::size_t>(value), '\0');
                std::string fromMemory(fromWindow);
                windowed.read(fromWindow.data(), value);
                memory.read(fromMemory.data(), value);
                ASSERT_EQ(windowed.gcount(), memory.gcount());
                EXPECT_EQ(fromWindow.substr(0, static_cast<std::size_t>(windowed.gcount())),
                          fromMemory.substr(0, static_cast<std::size_t>(memory.gcount())));
            }
            ASSERT_EQ(static_cast<bool>(windowed), static_cast<bool>(memory));
            if (memory) {
                EXPECT_EQ(windowed.tellg(), memory.tellg());
                EXPECT_EQ(Util::BytesLeft(windowed), Util::BytesLeft(memory));
            }
        }
        windowed.clear();
        char byte = 0;
        EXPECT_FALSE(windowed.seekg(1200).read(&byte, 1));
        EXPECT_EQ(windowed.gcount(), 0);
    }
    WindowedFileBuffer missing;
    EXPECT_FALSE(missing.Open(folder.PathOf("none.bin")));
}

} // namespace
} // namespace Orvik
