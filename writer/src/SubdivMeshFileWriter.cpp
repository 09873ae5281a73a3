#include "orvik/writer/SubdivMeshFileWriter.h"

#include "orvik/writer/CFile.h"

namespace Orvik::Writer {

void SubdivMeshFileWriter::AddMesh(const std::string& id, const std::vector<Crease>& creases) {
    ++count_;
    records_.U64(0).String(id).U64(creases.size());
    for (const auto& [from, to, sharpness] : creases)
        records_.U64(from).U64(to).Double(sharpness);
}

void SubdivMeshFileWriter::AddEmptyRecord() {
    ++count_;
    records_.U64(0).String("");
}

std::string SubdivMeshFileWriter::Bytes() const {
    LittleEndianBytes file;
    file.U64(leading_).U64(count_).Raw(records_.Bytes());
    return file.Bytes();
}

void SubdivMeshFileWriter::WriteTo(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(Bytes());
    file.Close();
}

} // namespace Orvik::Writer
