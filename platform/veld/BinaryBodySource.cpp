#include "veld/BinaryBodySource.h"

namespace Orvik::Veld {
namespace {

// The fewest bytes an item of each kind takes, so that no count can promise more items
// than the file still holds.
std::size_t MinimumBytes(CountedItem item) {
    switch (item) {
    case CountedItem::kEntity:
        return 1 + 4 + 4 + 4; // an empty body
    case CountedItem::kFace:
        return 4;
    case CountedItem::kEdge:
        return 4 + 4 + 1 + 8 * 8; // two empty strings and a line
    case CountedItem::kControlPoint:
        return 3 * 8;
    case CountedItem::kRationalControlPoint:
        return 4 * 8;
    case CountedItem::kKnot:
        return 8;
    }
    return 1;
}

} // namespace

bool BinaryBodySource::ReadHeader(std::uint32_t& flags, std::uint32_t& entityCount) {
    std::string magic;
    if (!m_cursor.ReadBytes(kMagicLength, magic) || magic != kMagic)
        return false;
    return m_cursor.ReadU32(flags) && ReadCount(CountedItem::kEntity, entityCount);
}

bool BinaryBodySource::ReadRecordKind(RecordKind& kind) {
    std::uint8_t code = 0;
    if (!m_cursor.ReadU8(code))
        return false;
    switch (code) {
    case 1:
        kind = RecordKind::kBody;
        return true;
    case 2:
        kind = RecordKind::kEdge;
        return true;
    case 3:
        kind = RecordKind::kPoint;
        return true;
    default:
        return false;
    }
}

bool BinaryBodySource::ReadCurveKind(CurveRecordKind& kind) {
    std::uint8_t code = 0;
    if (!m_cursor.ReadU8(code))
        return false;
    switch (code) {
    case 1:
        kind = CurveRecordKind::kLine;
        return true;
    case 2:
        kind = CurveRecordKind::kEllipse;
        return true;
    case 3:
        kind = CurveRecordKind::kNurbs;
        return true;
    default:
        return false;
    }
}

bool BinaryBodySource::ReadCount(CountedItem item, std::uint32_t& count) {
    return m_cursor.ReadU32(count) && count <= m_cursor.Remaining() / MinimumBytes(item);
}

bool BinaryBodySource::ReadFlag(bool& value) {
    std::uint8_t byte = 0;
    if (!m_cursor.ReadU8(byte) || byte > 1)
        return false;
    value = byte == 1;
    return true;
}

bool BinaryBodySource::ReadString(std::string& value) {
    std::uint32_t length = 0;
    return m_cursor.ReadU32(length) && m_cursor.ReadBytes(length, value);
}

} // namespace Orvik::Veld
