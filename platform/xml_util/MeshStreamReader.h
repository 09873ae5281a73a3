#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/MeshPolygon.h"
#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

namespace Orvik {

class XMLPolygonMesh;

using MeshObjectTable = std::map<UTF8String, std::unique_ptr<IObject>>;

// Reads the mesh records of a geometry stream (docs/formats.md) into a mesh table. A record for
// an id already in the table gives that mesh its geometry (so a subdivision mesh made earlier
// from its own file gets its cage here); any other id gets a new XMLPolygonMesh.
class MeshStreamReader {
public:
    MeshStreamReader(std::ifstream* stream, bool legacyGeomFile, bool hostIsBigEndian,
                     MeshObjectTable& meshesById, bool hasInnerLoops);

    bool LegacyGeomFile() const { return m_legacy; }
    bool BigEndian() const { return m_bigEndian; }
    std::ifstream* FileStreamPtr() const { return m_stream; }
    // Polygon styles of the mesh read last; fails the stream on bad data or when no mesh came.
    void ReadMeshStyleIds();
    // False on a truncated record, an oversized count or an index outside the mesh.
    bool ReadMesh(const UTF8String& meshId);

private:
    bool ReadU64(std::uint64_t& value);
    bool ReadCount(std::uint64_t& count, std::uint64_t minRecordBytes);
    bool ReadLoop(std::uint64_t vertexCount, VertexIndexSet& loop);
    bool ReadPolygon(std::uint64_t vertexCount, MeshPolygon& polygon);
    bool ReadStyleEntries();
    XMLPolygonMesh& MeshFor(const UTF8String& meshId);

    std::ifstream* m_stream;
    bool m_legacy;
    bool m_bigEndian;
    MeshObjectTable& m_meshes;
    bool m_hasInnerLoops;
    XMLPolygonMesh* m_lastMesh = nullptr;
    // Scratch buffers of one list at a time, kept across meshes.
    std::vector<double> m_doubles;
    std::vector<std::uint64_t> m_indices;
};

} // namespace Orvik
