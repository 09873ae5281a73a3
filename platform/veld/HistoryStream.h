#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Orvik::Veld {

// The kernel's record of changes made to entities; one per producer, and one per restore for
// the bodies it brought in.
class HistoryStream {
public:
    explicit HistoryStream(std::uint64_t serial)
        : m_serial(serial) {}

    std::uint64_t Serial() const { return m_serial; }
    std::size_t StateCount() const { return m_states; }
    void NoteState() { ++m_states; }
    // Entities filed into the stream, by data-exchange id, in filing order.
    void NoteEntity(const std::string& dxid) { m_entities.push_back(dxid); }
    const std::vector<std::string>& Entities() const { return m_entities; }
    void Clear() {
        m_states = 0;
        m_entities.clear();
    }

private:
    std::uint64_t m_serial;
    std::size_t m_states = 0;
    std::vector<std::string> m_entities;
};

} // namespace Orvik::Veld
