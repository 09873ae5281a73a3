#pragma once

#include <cstdint>
#include <string>

namespace Orvik::Veld {

// The kinds of top-level record a body file holds.
enum class RecordKind { kBody, kEdge, kPoint };
enum class CurveRecordKind { kLine, kEllipse, kNurbs };
// What a count announces, so a source can tell how few bytes each item needs at least.
enum class CountedItem { kEntity, kFace, kEdge, kControlPoint, kRationalControlPoint, kKnot };

// The tokens of a body file, read one by one from either layout. Every read answers false
// rather than going past the end, and a count is refused when its items cannot fit in the
// bytes left.
class BodyTokenSource {
public:
    virtual ~BodyTokenSource() = default;
    virtual bool ReadHeader(std::uint32_t& flags, std::uint32_t& entityCount) = 0;
    virtual bool ReadRecordKind(RecordKind& kind) = 0;
    virtual bool ReadCurveKind(CurveRecordKind& kind) = 0;
    // Words that only the text layout writes, for readability; the binary one has none.
    virtual bool ExpectTag(const char* tag) = 0;
    virtual bool ReadCount(CountedItem item, std::uint32_t& count) = 0;
    virtual bool ReadFlag(bool& value) = 0;
    virtual bool ReadDouble(double& value) = 0;
    virtual bool ReadString(std::string& value) = 0;
    // True only when the file ends here, as it must after its last record.
    virtual bool ReadTrailer() = 0;
};

} // namespace Orvik::Veld
