#include "geometry/CurveRecordReader.h"

#include "xml_util/BinaryReadWriteUtil.h"

#include <limits>

namespace Orvik {

CurveRecordReader::CurveRecordReader(std::istream& in, bool hostIsBigEndian, unsigned nesting)
    : m_in(in)
    , m_bigEndian(hostIsBigEndian)
    , m_nesting(nesting) {}

bool CurveRecordReader::U64(std::uint64_t& value) {
    return m_in && BinaryReadWriteUtil::BinaryRead(m_in, value, m_bigEndian);
}

bool CurveRecordReader::Double(double& value) {
    return m_in && BinaryReadWriteUtil::BinaryRead(m_in, value, m_bigEndian);
}

bool CurveRecordReader::Triple(Position& value) {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    if (!m_in || !BinaryReadWriteUtil::ReadData(m_in, x, y, z, m_bigEndian))
        return false;
    value.Set(x, y, z);
    return true;
}

bool CurveRecordReader::BoolPair(bool& first, bool& second) {
    return m_in && BinaryReadWriteUtil::ReadData(m_in, first, second, m_bigEndian);
}

bool CurveRecordReader::String(UTF8String& value) {
    return m_in && BinaryReadWriteUtil::ReadData(m_in, value, m_bigEndian);
}

bool CurveRecordReader::Count(std::uint32_t& count, std::uint64_t itemBytes) {
    std::uint64_t value = 0;
    if (!U64(value))
        return false;
    constexpr auto kLargest = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    if (value > kLargest || !BinaryReadWriteUtil::CountFits(m_in, value, itemBytes))
        return Fail();
    count = static_cast<std::uint32_t>(value);
    return true;
}

bool CurveRecordReader::FitsItems(std::uint32_t count, std::uint64_t itemBytes) {
    return BinaryReadWriteUtil::CountFits(m_in, count, itemBytes) || Fail();
}

bool CurveRecordReader::Fail() {
    m_in.setstate(std::ios::failbit);
    return false;
}

} // namespace Orvik
