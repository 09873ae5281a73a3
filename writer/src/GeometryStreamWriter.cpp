#include "orvik/writer/GeometryStreamWriter.h"

#include "orvik/writer/CFile.h"

namespace Orvik::Writer {
namespace {

void Loop(LittleEndianBytes& out, const std::vector<std::uint64_t>& loop) {
    out.U64(loop.size());
    for (std::uint64_t index : loop)
        out.U64(index);
}

} // namespace

GeometryStreamWriter::GeometryStreamWriter(bool legacy, bool innerLoops)
    : legacy_(legacy)
    , innerLoops_(innerLoops) {
    bytes_.U64(kVersion);
}

void GeometryStreamWriter::Polygon(LittleEndianBytes& out, const StreamPolygon& polygon) const {
    Loop(out, polygon.outer);
    if (!innerLoops_)
        return;
    out.U64(polygon.inner.size());
    for (const auto& loop : polygon.inner)
        Loop(out, loop);
}

void GeometryStreamWriter::AddMesh(const std::string& id, const StreamMesh& mesh) {
    LittleEndianBytes content;
    content.String(id).U64(mesh.positions.size());
    for (const auto& p : mesh.positions)
        content.Double(p[0]).Double(p[1]).Double(p[2]);
    content.U64(mesh.normals.size());
    for (const auto& n : mesh.normals)
        content.Double(n[0]).Double(n[1]).Double(n[2]);
    if (!legacy_) {
        content.U64(mesh.textureCoordinates.size());
        for (const auto& t : mesh.textureCoordinates)
            content.Double(t[0]).Double(t[1]);
    }
    content.U64(mesh.polygons.size());
    for (const auto& polygon : mesh.polygons)
        Polygon(content, polygon);
    AddRawRecord(kMeshRecord, content.Bytes());
}

void GeometryStreamWriter::AddMeshStyleIds(
    const std::vector<std::pair<std::uint64_t, std::vector<std::string>>>& stylesByPolygon) {
    LittleEndianBytes content;
    content.U64(stylesByPolygon.size());
    for (const auto& [polygon, styles] : stylesByPolygon) {
        content.U64(polygon).U64(styles.size());
        for (const auto& style : styles)
            content.String(style);
    }
    AddRawRecord(kMeshStyleIdsRecord, content.Bytes());
}

void GeometryStreamWriter::AddCurveRecord(const std::string& id, std::uint64_t typeCode,
                                          const std::string& payloadBytes) {
    LittleEndianBytes content;
    content.String(id).U64(typeCode).Raw(payloadBytes);
    AddRawRecord(kCurveRecord, content.Bytes());
}

void GeometryStreamWriter::AddRawRecord(std::uint64_t kind, const std::string& content) {
    bytes_.U64(kind).U64(content.size()).Raw(content);
}

void GeometryStreamWriter::WriteTo(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(bytes_.Bytes());
    file.Close();
}

} // namespace Orvik::Writer
