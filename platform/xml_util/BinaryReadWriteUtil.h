#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <istream>
#include <ostream>

namespace Orvik {

// Values of the binary side files. Every value is stored little-endian whatever the host, so the
// host's byte-order flag decides whether bytes are swapped. Integers are u64; a string is its
// byte length (u64) followed by that many UTF-8 bytes; a bool is one byte, non-zero for true.
// A read that meets the end of the data fails the stream and answers false.
class BinaryReadWriteUtil {
public:
    static bool BinaryRead(std::istream& in, std::uint64_t& value, bool hostIsBigEndian);
    static bool BinaryRead(std::istream& in, double& value, bool hostIsBigEndian);
    static bool BinaryRead(std::istream& in, std::uint8_t& value, bool hostIsBigEndian);
    // Many values of one kind in one read: what a mesh's lists are made of.
    static bool BinaryRead(std::istream& in, std::uint64_t* values, std::size_t count,
                           bool hostIsBigEndian);
    static bool BinaryRead(std::istream& in, double* values, std::size_t count,
                           bool hostIsBigEndian);
    static bool ReadData(std::istream& in, UTF8String& text, bool hostIsBigEndian);
    static bool ReadData(std::istream& in, double& x, double& y, double& z, bool hostIsBigEndian);
    static bool ReadData(std::istream& in, bool& first, bool& second, bool hostIsBigEndian);

    static void BinaryWrite(std::ostream& out, std::uint64_t value, bool hostIsBigEndian);
    static void BinaryWrite(std::ostream& out, double value, bool hostIsBigEndian);
    static void BinaryWrite(std::ostream& out, std::uint8_t value, bool hostIsBigEndian);
    static void WriteData(std::ostream& out, const UTF8String& text, bool hostIsBigEndian);

    // Bytes between the read position and the end of the data; 0 for a failed stream.
    static std::uint64_t BytesLeft(std::istream& in);
    // Whether count records of at least minRecordBytes each can still be in the data. Checked
    // before anything is allocated for them; never overflows.
    static bool CountFits(std::istream& in, std::uint64_t count, std::uint64_t minRecordBytes);
    static bool CountFits(std::uint64_t bytesLeft, std::uint64_t count,
                          std::uint64_t minRecordBytes);
};

} // namespace Orvik
