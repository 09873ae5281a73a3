#include "geometry/XMLCompositeCrvData.h"

#include "geometry/CurveDataOutputs.h"
#include "geometry/CurveDataReader.h"
#include "geometry/CurveRecordReader.h"

#include <algorithm>
#include <limits>

namespace Orvik {
namespace {

// An entry's unused word, type code and id length, then its flag, pair and value.
constexpr std::uint64_t kEntryBytes = 3 * 8 + 8 + 16 + 8;

bool ReadSegment(CurveRecordReader& reader, std::vector<std::unique_ptr<ICurveData>>& segments) {
    std::uint64_t unused = 0;
    std::uint64_t typeCode = 0;
    UTF8String id;
    if (!reader.U64(unused) || !reader.U64(typeCode) || !reader.String(id))
        return false;
    if (id.IsEmpty())
        return true;
    // The length of a record of unknown type is unknown, so nothing after it could be read.
    if (!CurveDataReader::IsKnownType(typeCode) ||
        reader.Nesting() >= CurveRecordReader::kMaxNesting)
        return reader.Fail();
    CurveRecordReader inner(reader.Stream(), reader.HostIsBigEndian(), reader.Nesting() + 1);
    CurveDataReader::Result segment =
        CurveDataReader::Read(inner, static_cast<std::uint32_t>(typeCode));
    if (segment.failed)
        return false;
    segments.push_back(std::move(segment.data));
    return true;
}

} // namespace

XMLCompositeCrvData::XMLCompositeCrvData(bool closed, bool periodic,
                                         std::vector<std::unique_ptr<ICurveData>> segments,
                                         std::vector<EntryValues> entries)
    : m_closed(closed)
    , m_periodic(periodic)
    , m_segments(std::move(segments))
    , m_entries(std::move(entries)) {}

std::unique_ptr<XMLCompositeCrvData> XMLCompositeCrvData::Read(CurveRecordReader& reader) {
    bool closed = false;
    bool periodic = false;
    std::uint32_t count = 0;
    std::vector<std::unique_ptr<ICurveData>> segments;
    std::vector<EntryValues> entries;
    if (!reader.BoolPair(closed, periodic) || !reader.Count(count, kEntryBytes) ||
        !ReadSegments(reader, count, segments))
        return nullptr;
    entries.resize(count);
    if (!ReadEntryValues(reader, entries))
        return nullptr;
    return std::make_unique<XMLCompositeCrvData>(closed, periodic, std::move(segments),
                                                 std::move(entries));
}

bool XMLCompositeCrvData::ReadSegments(CurveRecordReader& reader, std::uint32_t count,
                                       std::vector<std::unique_ptr<ICurveData>>& segments) {
    for (std::uint32_t i = 0; i < count; ++i)
        if (!ReadSegment(reader, segments))
            return false;
    return true;
}

bool XMLCompositeCrvData::ReadEntryValues(CurveRecordReader& reader,
                                          std::vector<EntryValues>& entries) {
    // Flags, pairs and values come as three lists of the entry count.
    for (EntryValues& entry : entries) {
        std::uint64_t flag = 0;
        if (!reader.U64(flag))
            return false;
        entry.flag = flag != 0;
    }
    for (EntryValues& entry : entries)
        if (!reader.Double(entry.first) || !reader.Double(entry.second))
            return false;
    for (EntryValues& entry : entries) {
        std::uint64_t value = 0;
        if (!reader.U64(value))
            return false;
        // Clamped, like every other narrowing of sizes in the framework.
        entry.value = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
    }
    return true;
}

const XMLCompositeCrvData::EntryValues* XMLCompositeCrvData::Entry(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
        return nullptr;
    return &m_entries[static_cast<std::size_t>(index)];
}

DataReturnCodeEnum XMLCompositeCrvData::SegmentCount(std::uint32_t& count) const {
    count = static_cast<std::uint32_t>(m_entries.size());
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLCompositeCrvData::SegmentAt(int index, const ICurveData*& segment) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_segments.size())
        return DataReturnCodeEnum::kInvalidIndex;
    segment = m_segments[static_cast<std::size_t>(index)].get();
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLCompositeCrvData::SegmentFlagAt(int index, bool& flag) const {
    const EntryValues* entry = Entry(index);
    return entry ? CurveDataOutputs::Value(entry->flag, flag) : DataReturnCodeEnum::kInvalidIndex;
}

DataReturnCodeEnum XMLCompositeCrvData::SegmentPairAt(int index, double& first,
                                                      double& second) const {
    const EntryValues* entry = Entry(index);
    if (entry == nullptr)
        return DataReturnCodeEnum::kInvalidIndex;
    first = entry->first;
    second = entry->second;
    return DataReturnCodeEnum::kSuccess;
}

DataReturnCodeEnum XMLCompositeCrvData::SegmentValueAt(int index, std::uint32_t& value) const {
    const EntryValues* entry = Entry(index);
    return entry ? CurveDataOutputs::Value(entry->value, value) : DataReturnCodeEnum::kInvalidIndex;
}

DataReturnCodeEnum XMLCompositeCrvData::IsClosed(bool& closed) const {
    return CurveDataOutputs::Value(m_closed, closed);
}

DataReturnCodeEnum XMLCompositeCrvData::IsPeriodic(bool& periodic) const {
    return CurveDataOutputs::Value(m_periodic, periodic);
}

} // namespace Orvik
