#pragma once

#include <cstddef>
#include <cstdint>

namespace Orvik::Veld {

// The kernel's record of changes made to entities; one per producer.
class HistoryStream {
public:
    explicit HistoryStream(std::uint64_t serial)
        : m_serial(serial) {}

    std::uint64_t Serial() const { return m_serial; }
    std::size_t StateCount() const { return m_states; }
    void NoteState() { ++m_states; }
    void Clear() { m_states = 0; }

private:
    std::uint64_t m_serial;
    std::size_t m_states = 0;
};

} // namespace Orvik::Veld
