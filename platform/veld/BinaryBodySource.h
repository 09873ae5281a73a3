#pragma once

#include "veld/BodyTokenSource.h"
#include "veld/ByteCursor.h"

#include <vector>

namespace Orvik::Veld {

// Tokens of the binary body layout.
class BinaryBodySource : public BodyTokenSource {
public:
    static constexpr char kMagic[] = "VELDBIN1";
    static constexpr std::size_t kMagicLength = 8;

    explicit BinaryBodySource(const std::vector<unsigned char>& bytes)
        : m_cursor(bytes) {}

    bool ReadHeader(std::uint32_t& flags, std::uint32_t& entityCount) override;
    bool ReadRecordKind(RecordKind& kind) override;
    bool ReadCurveKind(CurveRecordKind& kind) override;
    bool ExpectTag(const char*) override { return true; }
    bool ReadCount(CountedItem item, std::uint32_t& count) override;
    bool ReadFlag(bool& value) override;
    bool ReadDouble(double& value) override { return m_cursor.ReadF64(value); }
    bool ReadString(std::string& value) override;
    bool ReadTrailer() override { return m_cursor.Remaining() == 0; }

private:
    ByteCursor m_cursor;
};

} // namespace Orvik::Veld
