#include "xml_util/BinaryReadWriteUtil.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace Orvik {
namespace {

constexpr std::size_t kWordBytes = 8;

std::array<char, kWordBytes> ToFileOrder(std::uint64_t bits, bool hostIsBigEndian) {
    std::array<char, kWordBytes> bytes{};
    std::memcpy(bytes.data(), &bits, kWordBytes);
    if (hostIsBigEndian)
        std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

// Words are little-endian in the file; a big-endian host turns each around.
bool ReadWords(std::istream& in, void* words, std::size_t count, bool hostIsBigEndian) {
    char* bytes = static_cast<char*>(words);
    if (!in.read(bytes, static_cast<std::streamsize>(count * kWordBytes)))
        return false;
    if (hostIsBigEndian)
        for (std::size_t i = 0; i < count; ++i)
            std::reverse(bytes + i * kWordBytes, bytes + (i + 1) * kWordBytes);
    return true;
}

// The word is left as it was when the read fails.
bool ReadWord(std::istream& in, std::uint64_t& bits, bool hostIsBigEndian) {
    std::uint64_t read = 0;
    if (!ReadWords(in, &read, 1, hostIsBigEndian))
        return false;
    bits = read;
    return true;
}

} // namespace

bool BinaryReadWriteUtil::BinaryRead(std::istream& in, std::uint64_t* values, std::size_t count,
                                     bool hostIsBigEndian) {
    return ReadWords(in, values, count, hostIsBigEndian);
}

bool BinaryReadWriteUtil::BinaryRead(std::istream& in, double* values, std::size_t count,
                                     bool hostIsBigEndian) {
    static_assert(sizeof(double) == kWordBytes, "a double is one word of the file");
    return ReadWords(in, values, count, hostIsBigEndian);
}

bool BinaryReadWriteUtil::BinaryRead(std::istream& in, std::uint64_t& value, bool hostIsBigEndian) {
    return ReadWord(in, value, hostIsBigEndian);
}

bool BinaryReadWriteUtil::BinaryRead(std::istream& in, double& value, bool hostIsBigEndian) {
    std::uint64_t bits = 0;
    if (!ReadWord(in, bits, hostIsBigEndian))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool BinaryReadWriteUtil::BinaryRead(std::istream& in, std::uint8_t& value, bool) {
    char byte = 0;
    if (!in.get(byte))
        return false;
    value = static_cast<std::uint8_t>(byte);
    return true;
}

bool BinaryReadWriteUtil::ReadData(std::istream& in, UTF8String& text, bool hostIsBigEndian) {
    std::uint64_t length = 0;
    if (!BinaryRead(in, length, hostIsBigEndian))
        return false;
    if (!CountFits(in, length, 1)) {
        in.setstate(std::ios::failbit);
        return false;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(length)))
        return false;
    text = UTF8String(std::move(bytes));
    return true;
}

bool BinaryReadWriteUtil::ReadData(std::istream& in, double& x, double& y, double& z,
                                   bool hostIsBigEndian) {
    return BinaryRead(in, x, hostIsBigEndian) && BinaryRead(in, y, hostIsBigEndian) &&
           BinaryRead(in, z, hostIsBigEndian);
}

bool BinaryReadWriteUtil::ReadData(std::istream& in, bool& first, bool& second,
                                   bool hostIsBigEndian) {
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    if (!BinaryRead(in, a, hostIsBigEndian) || !BinaryRead(in, b, hostIsBigEndian))
        return false;
    first = a != 0;
    second = b != 0;
    return true;
}

void BinaryReadWriteUtil::BinaryWrite(std::ostream& out, std::uint64_t value,
                                      bool hostIsBigEndian) {
    out.write(ToFileOrder(value, hostIsBigEndian).data(), kWordBytes);
}

void BinaryReadWriteUtil::BinaryWrite(std::ostream& out, double value, bool hostIsBigEndian) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    BinaryWrite(out, bits, hostIsBigEndian);
}

void BinaryReadWriteUtil::BinaryWrite(std::ostream& out, std::uint8_t value, bool) {
    out.put(static_cast<char>(value));
}

void BinaryReadWriteUtil::WriteData(std::ostream& out, const UTF8String& text,
                                    bool hostIsBigEndian) {
    BinaryWrite(out, static_cast<std::uint64_t>(text.Length()), hostIsBigEndian);
    out.write(text.CStr(), static_cast<std::streamsize>(text.Length()));
}

std::uint64_t BinaryReadWriteUtil::BytesLeft(std::istream& in) {
    if (!in)
        return 0;
    std::streambuf* buffer = in.rdbuf();
    const std::streampos here = buffer->pubseekoff(0, std::ios::cur, std::ios::in);
    if (here == std::streampos(-1))
        return 0;
    // Seeking to the end throws the read buffer away, so the end is found once per stream and
    // kept with it (as end + 1; 0 while unknown). Side files do not change while read.
    static const int endSlot = std::ios_base::xalloc();
    long& knownEnd = in.iword(endSlot);
    if (knownEnd == 0) {
        const std::streampos end = buffer->pubseekoff(0, std::ios::end, std::ios::in);
        buffer->pubseekpos(here, std::ios::in);
        if (end == std::streampos(-1))
            return 0;
        knownEnd = static_cast<long>(static_cast<std::streamoff>(end)) + 1;
    }
    const std::streamoff end = knownEnd - 1;
    const std::streamoff position = here;
    return end < position ? 0 : static_cast<std::uint64_t>(end - position);
}

bool BinaryReadWriteUtil::CountFits(std::istream& in, std::uint64_t count,
                                    std::uint64_t minRecordBytes) {
    // The bytes already buffered answer most checks without asking the file where it stands,
    // which costs a system call each time.
    const std::streamsize buffered = in ? in.rdbuf()->in_avail() : 0;
    if (buffered > 0 && CountFits(static_cast<std::uint64_t>(buffered), count, minRecordBytes))
        return true;
    return CountFits(BytesLeft(in), count, minRecordBytes);
}

bool BinaryReadWriteUtil::CountFits(std::uint64_t bytesLeft, std::uint64_t count,
                                    std::uint64_t minRecordBytes) {
    if (minRecordBytes == 0 || count == 0)
        return true;
    return count <= bytesLeft / minRecordBytes;
}

} // namespace Orvik
