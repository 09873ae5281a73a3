#include "veld/VKI_RESTORE.h"

#include "veld/BinaryBodySource.h"
#include "veld/BodyFileParser.h"
#include "veld/TextBodySource.h"

#include <array>
#include <memory>

namespace Orvik::Veld {

VKI_RESTORE::VKI_RESTORE(std::FILE* file, bool textMode, int)
    : m_file(file)
    , m_textMode(textMode) {}

// Read in chunks rather than trusting a size query, so memory never outgrows the file.
bool VKI_RESTORE::ReadFile(std::vector<unsigned char>& bytes) const {
    if (m_file == nullptr)
        return false;
    std::array<unsigned char, 64 * 1024> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), m_file)) > 0)
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    return std::ferror(m_file) == 0;
}

outcome VKI_RESTORE::execute_restore(ENTITY_LIST& list) {
    m_restored = true;
    std::vector<unsigned char> bytes;
    if (!ReadFile(bytes))
        return outcome(outcome::kReadFailed);
    std::unique_ptr<BodyTokenSource> source;
    if (m_textMode)
        source = std::make_unique<TextBodySource>(bytes);
    else
        source = std::make_unique<BinaryBodySource>(bytes);
    BodyFileParser parser(*source);
    if (!parser.ReadHeader())
        return outcome(outcome::kMalformedFile);
    m_flags = parser.Flags();
    m_insecure = parser.IsInsecure();
    if (m_insecure && !m_allowInsecure) {
        m_refused = true;
        return outcome(outcome::kInsecureRestoreRefused);
    }
    ENTITY_LIST restored;
    if (!parser.ReadEntities(restored))
        return outcome(outcome::kMalformedFile);
    for (int i = 0; i < restored.count(); ++i)
        list.add(restored.take<ENTITY>(i));
    return outcome();
}

outcome VKI_RESTORE::security_issue_found(bool& found, bool& refused, int& flags) const {
    found = m_insecure;
    refused = m_refused;
    flags = static_cast<int>(m_flags);
    return outcome(m_restored ? outcome::kOk : outcome::kReadFailed);
}

} // namespace Orvik::Veld
