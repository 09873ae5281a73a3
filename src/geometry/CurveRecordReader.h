#pragma once

#include "orvik/api/Position.h"
#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <istream>

namespace Orvik {

// The values of one curve-data record, read from an untrusted stream. Every read answers false
// once anything is missing, and from then on: a record is read whole or not at all.
class CurveRecordReader {
public:
    // Composite records hold records of their own; deeper nesting than this is refused so that
    // a crafted file cannot exhaust the stack.
    static constexpr unsigned kMaxNesting = 32;

    CurveRecordReader(std::istream& in, bool hostIsBigEndian, unsigned nesting = 0);

    bool U64(std::uint64_t& value);
    bool Double(double& value);
    bool Triple(Position& value);
    bool BoolPair(bool& first, bool& second);
    bool String(UTF8String& value);
    // Reads a count of items of at least itemBytes each; false (and the stream failed) when so
    // many cannot be in what is left, or when the count does not fit a 32-bit int.
    bool Count(std::uint32_t& count, std::uint64_t itemBytes);
    // For a count read earlier that applies again to a later list.
    bool FitsItems(std::uint32_t count, std::uint64_t itemBytes);
    // Marks the record unreadable.
    bool Fail();

    std::istream& Stream() const { return m_in; }
    bool HostIsBigEndian() const { return m_bigEndian; }
    unsigned Nesting() const { return m_nesting; }

private:
    std::istream& m_in;
    bool m_bigEndian;
    unsigned m_nesting;
};

} // namespace Orvik
