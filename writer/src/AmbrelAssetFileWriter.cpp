#include "orvik/writer/AmbrelAssetFileWriter.h"

#include "orvik/writer/CFile.h"

namespace Orvik::Writer {

AmbrelAssetFileWriter& AmbrelAssetFileWriter::AddAsset(const std::string& styleId,
                                                       const std::string& bytes) {
    ++count_;
    records_.String(styleId).U64(bytes.size()).Raw(bytes);
    return *this;
}

std::string AmbrelAssetFileWriter::Bytes() const {
    LittleEndianBytes file;
    file.U64(1).U64(count_).Raw(records_.Bytes());
    return file.Bytes();
}

void AmbrelAssetFileWriter::WriteTo(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(Bytes());
    file.Close();
}

} // namespace Orvik::Writer
