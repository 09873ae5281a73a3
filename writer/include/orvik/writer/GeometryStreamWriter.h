#pragma once

#include "orvik/writer/LittleEndianBytes.h"
#include "orvik/writer/StreamMesh.h"

#include <string>
#include <utility>
#include <vector>

namespace Orvik::Writer {

// Builds a mesh and curve stream ("GeometryInfo" and "MeshInfo" sections; docs/formats.md).
// Legacy streams carry no texture coordinates; inner loops are written only when the section
// says "HasInnerLoops", so both choices must match the section that names the file.
class GeometryStreamWriter {
public:
    static constexpr std::uint64_t kVersion = 1;
    static constexpr std::uint64_t kMeshRecord = 1;
    static constexpr std::uint64_t kMeshStyleIdsRecord = 2;
    static constexpr std::uint64_t kCurveRecord = 3;

    GeometryStreamWriter(bool legacy, bool innerLoops);

    void AddMesh(const std::string& id, const StreamMesh& mesh);
    // Styles by polygon index, for the mesh added last.
    void AddMeshStyleIds(
        const std::vector<std::pair<std::uint64_t, std::vector<std::string>>>& stylesByPolygon);
    // A curve record whose payload (the curve data of that type code) the caller encoded.
    void AddCurveRecord(const std::string& id, std::uint64_t typeCode,
                        const std::string& payloadBytes);
    // Any framing, for files that must be wrong on purpose.
    void AddRawRecord(std::uint64_t kind, const std::string& content);

    const std::string& Bytes() const { return bytes_.Bytes(); }
    void WriteTo(const std::string& path) const;

private:
    void Polygon(LittleEndianBytes& out, const StreamPolygon& polygon) const;

    bool legacy_;
    bool innerLoops_;
    LittleEndianBytes bytes_;
};

} // namespace Orvik::Writer
