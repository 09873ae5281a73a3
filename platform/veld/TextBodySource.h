#pragma once

#include "veld/BodyTokenSource.h"

#include <string_view>
#include <vector>

namespace Orvik::Veld {

// Tokens of the text body layout: words and numbers separated by white space, strings as
// "<length>:<bytes>" so that ids may hold any character.
class TextBodySource : public BodyTokenSource {
public:
    static constexpr std::string_view kMagic = "VELDTXT";

    explicit TextBodySource(const std::vector<unsigned char>& bytes)
        : m_text(reinterpret_cast<const char*>(bytes.data()), bytes.size()) {}

    bool ReadHeader(std::uint32_t& flags, std::uint32_t& entityCount) override;
    bool ReadRecordKind(RecordKind& kind) override;
    bool ReadCurveKind(CurveRecordKind& kind) override;
    bool ExpectTag(const char* tag) override;
    bool ReadCount(CountedItem item, std::uint32_t& count) override;
    bool ReadFlag(bool& value) override;
    bool ReadDouble(double& value) override;
    bool ReadString(std::string& value) override;
    bool ReadTrailer() override;

private:
    void SkipSpace();
    std::string_view NextWord();
    bool ReadUnsigned(std::uint32_t& value);
    std::size_t Remaining() const { return m_text.size() - m_offset; }

    std::string_view m_text;
    std::size_t m_offset = 0;
};

} // namespace Orvik::Veld
