#include "orvik/writer/MeshSegmentFileWriter.h"

#include "orvik/writer/CFile.h"

namespace Orvik::Writer {

void MeshSegmentFileWriter::AddMesh(const std::string& id,
                                    const std::vector<IndexList>& faceSegments,
                                    const std::vector<bool>& faceVisibility,
                                    const std::vector<IndexList>& edgeSegments) {
    ++count_;
    records_.String(id)
        .U64(faceSegments.size())
        .U64(edgeSegments.size())
        .U64(faceVisibility.size());
    for (bool visible : faceVisibility)
        records_.Byte(visible ? 1 : 0);
    for (const auto& segments : {&faceSegments, &edgeSegments})
        for (const IndexList& segment : *segments) {
            records_.U64(segment.size());
            for (std::uint64_t index : segment)
                records_.U64(index);
        }
}

void MeshSegmentFileWriter::AddIdOnly(const std::string& id) {
    ++count_;
    records_.String(id);
}

std::string MeshSegmentFileWriter::Bytes() const {
    LittleEndianBytes file;
    file.U64(count_).Raw(records_.Bytes());
    return file.Bytes();
}

void MeshSegmentFileWriter::WriteTo(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(Bytes());
    file.Close();
}

} // namespace Orvik::Writer
