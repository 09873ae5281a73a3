#include "geometry/MeshSegmentFile.h"

#include "geometry/GeomFileContext.h"
#include "orvik/api/NumericConverter.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLPolygonMesh.h"

#include <boost/filesystem/fstream.hpp>

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;
constexpr std::uint64_t kWord = 8;

class SegmentRecordReader {
public:
    SegmentRecordReader(std::istream& in, bool bigEndian)
        : m_in(in)
        , m_bigEndian(bigEndian) {}

    bool ReadRecord(MeshTable& meshes) {
        UTF8String id;
        if (!Util::ReadData(m_in, id, m_bigEndian))
            return false;
        const auto found = meshes.find(id);
        auto* mesh =
            found == meshes.end() ? nullptr : dynamic_cast<XMLPolygonMesh*>(found->second.get());
        // Subdivision meshes and unknown ids have no segments: the record is the id alone.
        return mesh == nullptr || ReadSegments(*mesh);
    }

private:
    bool ReadCount(std::uint64_t& count, std::uint64_t minRecordBytes) {
        return Util::BinaryRead(m_in, count, m_bigEndian) &&
               Util::CountFits(m_in, count, minRecordBytes);
    }

    bool ReadIndices(std::vector<std::uint32_t>& indices) {
        std::uint64_t count = 0;
        if (!ReadCount(count, kWord))
            return false;
        indices.resize(static_cast<std::size_t>(count));
        for (std::uint32_t& index : indices) {
            std::uint64_t value = 0;
            if (!Util::BinaryRead(m_in, value, m_bigEndian))
                return false;
            index = NumericConverter::UInt64ToULong(value);
        }
        return true;
    }

    bool ReadSegments(XMLPolygonMesh& mesh) {
        std::uint64_t faces = 0;
        std::uint64_t edges = 0;
        std::uint64_t flags = 0;
        if (!ReadCount(faces, kWord) || !ReadCount(edges, kWord) || !ReadCount(flags, 1) ||
            !Util::CountFits(m_in, faces + edges, kWord))
            return false;
        std::vector<bool> visible(static_cast<std::size_t>(flags));
        for (std::size_t i = 0; i < visible.size(); ++i) {
            std::uint8_t flag = 0;
            if (!Util::BinaryRead(m_in, flag, m_bigEndian))
                return false;
            visible[i] = flag != 0;
        }
        if (flags != 0)
            mesh.SetHasFaceSegmentVisibility(true);
        return ReadFaces(mesh, faces, visible) && ReadEdges(mesh, edges);
    }

    bool ReadFaces(XMLPolygonMesh& mesh, std::uint64_t count, const std::vector<bool>& visible) {
        for (std::uint64_t i = 0; i < count; ++i) {
            std::vector<std::uint32_t> indices;
            if (!ReadIndices(indices))
                return false;
            PolygonIndexSet polygons;
            polygons.Reserve(indices.size());
            for (std::uint32_t index : indices)
                polygons.Add(index);
            FaceSegmentInfo segment;
            segment.SetPolygonIndexSet(std::move(polygons));
            if (i < visible.size())
                segment.SetVisible(visible[static_cast<std::size_t>(i)]);
            mesh.AddFaceSegment(std::move(segment));
        }
        return true;
    }

    bool ReadEdges(XMLPolygonMesh& mesh, std::uint64_t count) {
        for (std::uint64_t i = 0; i < count; ++i) {
            std::vector<std::uint32_t> indices;
            if (!ReadIndices(indices))
                return false;
            VertexIndexSet vertices;
            vertices.Reserve(indices.size());
            for (std::uint32_t index : indices)
                vertices.Append(index);
            EdgeSegmentInfo segment;
            segment.SetVertexIndexSet(std::move(vertices));
            mesh.AddEdgeSegment(std::move(segment));
        }
        return true;
    }

    std::istream& m_in;
    bool m_bigEndian;
};

} // namespace

bool MeshSegmentFile::ReadMeshSegmentFile(const GeomFileContext& context,
                                          const UTF16String& fullPath, MeshTable& meshesById) {
    if (meshesById.empty())
        return true;
    boost::filesystem::ifstream in(FsPathConverter::ToPath(fullPath), std::ios::binary);
    if (!in.is_open())
        return false;
    const bool bigEndian = context.HostIsBigEndian();
    std::uint64_t count = 0;
    // A record is at least its id's length word.
    if (!Util::BinaryRead(in, count, bigEndian) || count == 0 || !Util::CountFits(in, count, kWord))
        return false;
    SegmentRecordReader reader(in, bigEndian);
    for (std::uint64_t i = 0; i < count; ++i)
        if (!reader.ReadRecord(meshesById))
            return false;
    return true;
}

} // namespace Orvik
