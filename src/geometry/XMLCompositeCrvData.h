#pragma once

#include "orvik/api/ICompositeCurveData.h"

#include <memory>
#include <vector>

namespace Orvik {

class CurveRecordReader;

class XMLCompositeCrvData : public ICompositeCurveData {
public:
    // One per announced entry, whether or not it holds a segment.
    struct EntryValues {
        bool flag = false;
        double first = 0.0;
        double second = 0.0;
        std::uint32_t value = 0;
    };

    XMLCompositeCrvData(bool closed, bool periodic,
                        std::vector<std::unique_ptr<ICurveData>> segments,
                        std::vector<EntryValues> entries);
    // Null when the record, or a segment record inside it, cannot be read whole.
    static std::unique_ptr<XMLCompositeCrvData> Read(CurveRecordReader& reader);

    DataReturnCodeEnum SegmentCount(std::uint32_t& count) const override;
    DataReturnCodeEnum SegmentAt(int index, const ICurveData*& segment) const override;
    DataReturnCodeEnum SegmentFlagAt(int index, bool& flag) const override;
    DataReturnCodeEnum SegmentPairAt(int index, double& first, double& second) const override;
    DataReturnCodeEnum SegmentValueAt(int index, std::uint32_t& value) const override;
    DataReturnCodeEnum IsClosed(bool& closed) const override;
    DataReturnCodeEnum IsPeriodic(bool& periodic) const override;
    // The segments held, fewer than SegmentCount when entries had no id.
    std::size_t HeldSegmentCount() const { return m_segments.size(); }

private:
    static bool ReadSegments(CurveRecordReader& reader, std::uint32_t count,
                             std::vector<std::unique_ptr<ICurveData>>& segments);
    static bool ReadEntryValues(CurveRecordReader& reader, std::vector<EntryValues>& entries);
    const EntryValues* Entry(int index) const;

    bool m_closed;
    bool m_periodic;
    std::vector<std::unique_ptr<ICurveData>> m_segments;
    std::vector<EntryValues> m_entries;
};

} // namespace Orvik
