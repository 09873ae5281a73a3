#include "xml_util/AnimationReader.h"

#include "orvik/api/IOUtil.h"
#include "orvik/api/UTF8String.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLKeyframeTransformData.h"

#include <boost/filesystem/fstream.hpp>
#include <sstream>

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;

constexpr std::uint64_t kWord = 8;
// A record is at least its name's length word, its type and its payload length.
constexpr std::uint64_t kSmallestRecord = 3 * kWord;
// A transform keyframe is its frame and sixteen matrix values.
constexpr std::uint64_t kTransformFrameBytes = 17 * kWord;

bool ReadMatrix(std::istream& in, bool bigEndian, Matrix3d& matrix) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            double value = 0.0;
            if (!Util::BinaryRead(in, value, bigEndian))
                return false;
            matrix.Set(row, column, value);
        }
    }
    return true;
}

std::unique_ptr<IKeyframeTypeData> ReadTransformPayload(const std::string& payload,
                                                        std::string& problem) {
    std::istringstream in(payload, std::ios::binary);
    const bool bigEndian = IOUtil::IsBigEndian();
    std::uint8_t hasUnit = 0;
    std::uint64_t unit = 0;
    std::uint64_t count = 0;
    if (!Util::BinaryRead(in, hasUnit, bigEndian) || !Util::BinaryRead(in, unit, bigEndian) ||
        !Util::BinaryRead(in, count, bigEndian)) {
        problem = "the transform keyframes end before their frame count";
        return nullptr;
    }
    if (unit > static_cast<std::uint64_t>(UnitTypeEnum::kUnitType_Millisecond)) {
        problem = "the transform keyframes name unit " + std::to_string(unit) + ", which is none";
        return nullptr;
    }
    if (!Util::CountFits(in, count, kTransformFrameBytes)) {
        problem = "the transform keyframes count " + std::to_string(count) +
                  " frames, more than their record holds";
        return nullptr;
    }
    std::vector<XMLKeyframeTransformData::Frame> frames(static_cast<std::size_t>(count));
    for (auto& [frame, matrix] : frames) {
        if (!Util::BinaryRead(in, frame, bigEndian) || !ReadMatrix(in, bigEndian, matrix)) {
            problem = "the transform keyframes end inside a frame";
            return nullptr;
        }
    }
    auto data = std::make_unique<XMLKeyframeTransformData>(std::move(frames));
    if (hasUnit != 0)
        data->SetLengthUnit(static_cast<UnitTypeEnum>(unit));
    return data;
}

} // namespace

bool AnimationReader::Load(const UTF16String& path) {
    m_records.clear();
    m_problem.clear();
    boost::filesystem::ifstream in(FsPathConverter::ToPath(path), std::ios::binary);
    if (!in.is_open()) {
        m_problem = "the file does not open";
        return false;
    }
    return ReadRecords(in);
}

bool AnimationReader::ReadRecords(std::istream& in) {
    const bool bigEndian = IOUtil::IsBigEndian();
    std::uint64_t count = 0;
    if (!Util::BinaryRead(in, count, bigEndian)) {
        m_problem = "the file ends before its record count";
        return false;
    }
    if (!Util::CountFits(in, count, kSmallestRecord)) {
        m_problem = "the file counts " + std::to_string(count) + " records, more than it holds";
        return false;
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        UTF8String name;
        Record record;
        std::uint64_t size = 0;
        if (!Util::ReadData(in, name, bigEndian) || !Util::BinaryRead(in, record.type, bigEndian) ||
            !Util::BinaryRead(in, size, bigEndian) || !Util::CountFits(in, size, 1)) {
            m_problem = "record " + std::to_string(i + 1) + " of " + std::to_string(count) +
                        " is cut short";
            return false;
        }
        record.payload.resize(static_cast<std::size_t>(size));
        if (!in.read(record.payload.data(), static_cast<std::streamsize>(size))) {
            m_problem = "record " + std::to_string(i + 1) + " of " + std::to_string(count) +
                        " is cut short";
            return false;
        }
        // A later record of a name replaces the earlier, as in the other side files.
        m_records[name.Value()] = std::move(record);
    }
    return true;
}

std::unique_ptr<IKeyframeTypeData>
AnimationReader::ReadKeyframeTypeData(const UTF16String& name, KeyframeTypeDataEnum type,
                                      std::string& problem) const {
    const auto found = m_records.find(name.ToUTF8());
    if (found == m_records.end())
        return nullptr;
    const Record& record = found->second;
    if (record.type != kKeyframeTypeData_Transform) {
        problem = "keyframes of type " + std::to_string(record.type) + " are not known";
        return nullptr;
    }
    if (record.type != static_cast<std::uint64_t>(type)) {
        problem = "the record holds keyframes of type " + std::to_string(record.type) +
                  ", the document asks for type " + std::to_string(static_cast<int>(type));
        return nullptr;
    }
    return ReadTransformPayload(record.payload, problem);
}

std::unique_ptr<IKeyframeTypeData> AnimationReader::ReadKeyframeTypeDataFromExternalFile(
    const UTF16String& path, const UTF16String& name, KeyframeTypeDataEnum type) {
    AnimationReader reader;
    reader.Load(path);
    std::string problem;
    return reader.ReadKeyframeTypeData(name, type, problem);
}

} // namespace Orvik
