#include "veld/TextBodySource.h"

#include <charconv>

namespace Orvik::Veld {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The fewest characters an item takes: each number or word at least one character and one
// separator.
std::size_t MinimumChars(CountedItem item) {
    switch (item) {
    case CountedItem::kEntity:
        return 2 * 4; // "body 0: 0 0"
    case CountedItem::kFace:
        return 2 * 2; // "face 0:"
    case CountedItem::kEdge:
        return 2 * 12; // "edge 0: 0: line" and eight numbers
    case CountedItem::kControlPoint:
        return 2 * 3;
    case CountedItem::kRationalControlPoint:
        return 2 * 4;
    case CountedItem::kKnot:
        return 2;
    }
    return 1;
}

} // namespace

void TextBodySource::SkipSpace() {
    while (m_offset < m_text.size() && IsSpace(m_text[m_offset]))
        ++m_offset;
}

std::string_view TextBodySource::NextWord() {
    SkipSpace();
    const std::size_t start = m_offset;
    while (m_offset < m_text.size() && !IsSpace(m_text[m_offset]))
        ++m_offset;
    return m_text.substr(start, m_offset - start);
}

bool TextBodySource::ReadUnsigned(std::uint32_t& value) {
    const std::string_view word = NextWord();
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return !word.empty() && result.ec == std::errc() && result.ptr == end;
}

bool TextBodySource::ReadHeader(std::uint32_t& flags, std::uint32_t& entityCount) {
    std::uint32_t version = 0;
    return NextWord() == kMagic && ReadUnsigned(version) && version == 1 && ExpectTag("flags") &&
           ReadUnsigned(flags) && ExpectTag("entities") &&
           ReadCount(CountedItem::kEntity, entityCount);
}

bool TextBodySource::ReadRecordKind(RecordKind& kind) {
    const std::string_view word = NextWord();
    if (word == "body")
        kind = RecordKind::kBody;
    else if (word == "edge")
        kind = RecordKind::kEdge;
    else if (word == "point")
        kind = RecordKind::kPoint;
    else
        return false;
    return true;
}

bool TextBodySource::ReadCurveKind(CurveRecordKind& kind) {
    const std::string_view word = NextWord();
    if (word == "line")
        kind = CurveRecordKind::kLine;
    else if (word == "ellipse")
        kind = CurveRecordKind::kEllipse;
    else if (word == "nurbs")
        kind = CurveRecordKind::kNurbs;
    else
        return false;
    return true;
}

bool TextBodySource::ExpectTag(const char* tag) {
    return NextWord() == tag;
}

bool TextBodySource::ReadCount(CountedItem item, std::uint32_t& count) {
    return ReadUnsigned(count) && count <= Remaining() / MinimumChars(item);
}

bool TextBodySource::ReadFlag(bool& value) {
    const std::string_view word = NextWord();
    if (word != "0" && word != "1")
        return false;
    value = word == "1";
    return true;
}

bool TextBodySource::ReadDouble(double& value) {
    const std::string_view word = NextWord();
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return !word.empty() && result.ec == std::errc() && result.ptr == end;
}

bool TextBodySource::ReadString(std::string& value) {
    SkipSpace();
    const std::size_t colon = m_text.find(':', m_offset);
    if (colon == std::string_view::npos)
        return false;
    const std::string_view digits = m_text.substr(m_offset, colon - m_offset);
    std::size_t length = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), length);
    if (digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return false;
    if (length > m_text.size() - colon - 1)
        return false;
    value.assign(m_text.substr(colon + 1, length));
    m_offset = colon + 1 + length;
    // A string runs up to a separator; a longer run means its length was wrong.
    return m_offset == m_text.size() || IsSpace(m_text[m_offset]);
}

bool TextBodySource::ReadTrailer() {
    if (NextWord() != "end")
        return false;
    SkipSpace();
    return Remaining() == 0;
}

} // namespace Orvik::Veld
