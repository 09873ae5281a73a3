#include "orvik/writer/AnimationFileWriter.h"

#include "orvik/writer/CFile.h"

namespace Orvik::Writer {

std::string AnimationFileWriter::TransformPayload(const std::vector<Frame>& frames, bool hasUnit,
                                                  std::uint64_t unit) {
    LittleEndianBytes payload;
    payload.Byte(hasUnit ? 1 : 0).U64(unit).U64(frames.size());
    for (const auto& [frame, matrix] : frames) {
        payload.Double(frame);
        for (const double value : matrix)
            payload.Double(value);
    }
    return payload.Bytes();
}

void AnimationFileWriter::AddTransformRecord(const std::string& name,
                                             const std::vector<Frame>& frames, bool hasUnit,
                                             std::uint64_t unit) {
    AddRecord(name, kTransformType, TransformPayload(frames, hasUnit, unit));
}

void AnimationFileWriter::AddRecord(const std::string& name, std::uint64_t type,
                                    const std::string& payload) {
    ++count_;
    records_.String(name).U64(type).String(payload);
}

std::string AnimationFileWriter::Bytes() const {
    LittleEndianBytes file;
    file.U64(count_).Raw(records_.Bytes());
    return file.Bytes();
}

void AnimationFileWriter::WriteTo(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(Bytes());
    file.Close();
}

} // namespace Orvik::Writer
