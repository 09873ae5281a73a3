#include "orvik/writer/SubObjectPersistentIdFileWriter.h"

#include "orvik/writer/CFile.h"

namespace Orvik::Writer {

void SubObjectPersistentIdFileWriter::AddObject(
    const std::string& objectId, const std::vector<std::pair<std::string, std::string>>& ids) {
    ++count_;
    records_.String(objectId).U64(ids.size());
    for (const auto& [dataId, persistentId] : ids)
        records_.String(dataId).String(persistentId);
}

std::string SubObjectPersistentIdFileWriter::Bytes() const {
    LittleEndianBytes file;
    file.U64(count_).Raw(records_.Bytes());
    return file.Bytes();
}

void SubObjectPersistentIdFileWriter::WriteTo(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(Bytes());
    file.Close();
}

} // namespace Orvik::Writer
