#include "xml_util/MeshStreamReader.h"

#include "orvik/api/NumericConverter.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/XMLPolygonMesh.h"
#include "xml_util/XMLSubdivMesh.h"

#include <string>

namespace Orvik {
namespace {

constexpr std::uint64_t kWord = 8;

using Util = BinaryReadWriteUtil;

// Reads count items of `width` doubles each in one go and makes them with `make`.
template <typename T, typename Make>
bool ReadDoubleList(std::istream& in, std::uint64_t count, std::size_t width, bool bigEndian,
                    std::vector<double>& scratch, std::vector<T>& out, Make make) {
    scratch.resize(static_cast<std::size_t>(count) * width);
    if (!Util::BinaryRead(in, scratch.data(), scratch.size(), bigEndian))
        return false;
    out.reserve(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < scratch.size(); i += width)
        out.push_back(make(&scratch[i]));
    return true;
}

template <typename Triple>
Triple MakeTriple(const double* v) {
    return Triple(v[0], v[1], v[2]);
}

TextureCoordinate MakeUv(const double* v) {
    return TextureCoordinate(v[0], v[1]);
}

} // namespace

MeshStreamReader::MeshStreamReader(std::ifstream* stream, bool legacyGeomFile, bool hostIsBigEndian,
                                   MeshObjectTable& meshesById, bool hasInnerLoops)
    : m_stream(stream)
    , m_legacy(legacyGeomFile)
    , m_bigEndian(hostIsBigEndian)
    , m_meshes(meshesById)
    , m_hasInnerLoops(hasInnerLoops) {}

bool MeshStreamReader::ReadU64(std::uint64_t& value) {
    return Util::BinaryRead(*m_stream, value, m_bigEndian);
}

bool MeshStreamReader::ReadCount(std::uint64_t& count, std::uint64_t minRecordBytes) {
    return ReadU64(count) && Util::CountFits(*m_stream, count, minRecordBytes);
}

bool MeshStreamReader::ReadLoop(std::uint64_t vertexCount, VertexIndexSet& loop) {
    std::uint64_t count = 0;
    if (!ReadCount(count, kWord))
        return false;
    m_indices.resize(static_cast<std::size_t>(count));
    if (!Util::BinaryRead(*m_stream, m_indices.data(), m_indices.size(), m_bigEndian))
        return false;
    loop.Reserve(m_indices.size());
    for (const std::uint64_t index : m_indices) {
        // An index outside the vertex list would make every host check before drawing.
        if (index >= vertexCount)
            return false;
        loop.Append(static_cast<std::uint32_t>(index));
    }
    return true;
}

bool MeshStreamReader::ReadPolygon(std::uint64_t vertexCount, MeshPolygon& polygon) {
    VertexIndexSet outer;
    if (!ReadLoop(vertexCount, outer))
        return false;
    polygon = MeshPolygon(std::move(outer));
    if (!m_hasInnerLoops)
        return true;
    std::uint64_t innerCount = 0;
    if (!ReadCount(innerCount, kWord))
        return false;
    for (std::uint64_t i = 0; i < innerCount; ++i) {
        VertexIndexSet inner;
        if (!ReadLoop(vertexCount, inner))
            return false;
        polygon.AddInnerLoop(std::move(inner));
    }
    return true;
}

bool MeshStreamReader::ReadMesh(const UTF8String& meshId) {
    if (m_stream == nullptr)
        return false;
    std::istream& in = *m_stream;
    std::uint64_t vertexCount = 0;
    std::vector<Position> vertices;
    if (!ReadCount(vertexCount, 3 * kWord) ||
        !ReadDoubleList(in, vertexCount, 3, m_bigEndian, m_doubles, vertices, MakeTriple<Position>))
        return false;

    // Normals and texture coordinates are per vertex, or absent.
    std::uint64_t normalCount = 0;
    std::vector<Vector> normals;
    if (!ReadCount(normalCount, 3 * kWord) || (normalCount != 0 && normalCount != vertexCount) ||
        !ReadDoubleList(in, normalCount, 3, m_bigEndian, m_doubles, normals, MakeTriple<Vector>))
        return false;

    std::vector<TextureCoordinate> uvs;
    if (!m_legacy) {
        std::uint64_t uvCount = 0;
        if (!ReadCount(uvCount, 2 * kWord) || (uvCount != 0 && uvCount != vertexCount) ||
            !ReadDoubleList(in, uvCount, 2, m_bigEndian, m_doubles, uvs, MakeUv))
            return false;
    }

    std::uint64_t polygonCount = 0;
    std::vector<MeshPolygon> polygons;
    if (!ReadCount(polygonCount, m_hasInnerLoops ? 2 * kWord : kWord))
        return false;
    polygons.resize(static_cast<std::size_t>(polygonCount));
    for (MeshPolygon& polygon : polygons)
        if (!ReadPolygon(vertexCount, polygon))
            return false;

    XMLPolygonMesh& mesh = MeshFor(meshId);
    mesh.SetGeometry(std::move(vertices), std::move(normals), std::move(uvs), std::move(polygons));
    m_lastMesh = &mesh;
    return true;
}

XMLPolygonMesh& MeshStreamReader::MeshFor(const UTF8String& meshId) {
    std::unique_ptr<IObject>& entry = m_meshes[meshId];
    if (auto* subdiv = dynamic_cast<XMLSubdivMesh*>(entry.get()))
        return subdiv->Cage();
    if (auto* mesh = dynamic_cast<XMLPolygonMesh*>(entry.get()))
        return *mesh;
    auto created = std::make_unique<XMLPolygonMesh>(meshId);
    XMLPolygonMesh& mesh = *created;
    entry = std::move(created);
    return mesh;
}

void MeshStreamReader::ReadMeshStyleIds() {
    if (m_stream == nullptr)
        return;
    if (m_lastMesh == nullptr || !ReadStyleEntries())
        m_stream->setstate(std::ios::failbit);
}

bool MeshStreamReader::ReadStyleEntries() {
    std::uint64_t entryCount = 0;
    if (!ReadCount(entryCount, 2 * kWord))
        return false;
    const std::uint64_t polygonCount = m_lastMesh->Polygons().size();
    SubEntityToStylesMap styles;
    for (std::uint64_t i = 0; i < entryCount; ++i) {
        std::uint64_t polygon = 0;
        std::uint64_t styleCount = 0;
        if (!ReadU64(polygon) || polygon >= polygonCount || !ReadCount(styleCount, kWord))
            return false;
        IdSet ids;
        for (std::uint64_t s = 0; s < styleCount; ++s) {
            UTF8String styleId;
            if (!Util::ReadData(*m_stream, styleId, m_bigEndian))
                return false;
            ids.AddWithUniquenessCheck(styleId);
        }
        styles.SetStyles(UTF8String(std::to_string(polygon)), ids);
    }
    m_lastMesh->SetPolygonStyles(std::move(styles));
    return true;
}

} // namespace Orvik
