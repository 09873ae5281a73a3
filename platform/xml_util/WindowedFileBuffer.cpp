#include "xml_util/WindowedFileBuffer.h"

#include <algorithm>

namespace Orvik {

WindowedFileBuffer::WindowedFileBuffer(std::size_t windowBytes)
    : m_windowBytes(std::max<std::size_t>(windowBytes, 1))
    , m_window(std::make_unique<char[]>(m_windowBytes)) {
    setg(m_window.get(), m_window.get(), m_window.get());
}

bool WindowedFileBuffer::Open(const std::string& path) {
    // Unbuffered: the window is the only buffer, filled straight from the file.
    m_file.pubsetbuf(nullptr, 0);
    return m_file.open(path, std::ios::in | std::ios::binary) != nullptr && MoveTo(0);
}

WindowedFileBuffer::int_type WindowedFileBuffer::underflow() {
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    m_windowStart = WindowEnd();
    const std::streamsize got =
        m_file.sgetn(m_window.get(), static_cast<std::streamsize>(m_windowBytes));
    setg(m_window.get(), m_window.get(), m_window.get() + std::max<std::streamsize>(got, 0));
    return got > 0 ? traits_type::to_int_type(*gptr()) : traits_type::eof();
}

WindowedFileBuffer::pos_type WindowedFileBuffer::seekoff(off_type offset,
                                                         std::ios_base::seekdir direction,
                                                         std::ios_base::openmode which) {
    if (direction == std::ios_base::cur)
        return seekpos(Position() + offset, which);
    if (direction == std::ios_base::beg)
        return seekpos(offset, which);
    const pos_type end = m_file.pubseekoff(0, std::ios_base::end, std::ios_base::in);
    if (end == pos_type(off_type(-1)))
        return end;
    const std::streamoff target = static_cast<std::streamoff>(end) + offset;
    return MoveTo(target) ? pos_type(target) : pos_type(off_type(-1));
}

WindowedFileBuffer::pos_type WindowedFileBuffer::seekpos(pos_type position,
                                                         std::ios_base::openmode which) {
    const std::streamoff target = position;
    if ((which & std::ios_base::in) == 0 || target < 0)
        return pos_type(off_type(-1));
    if (target >= m_windowStart && target <= WindowEnd()) {
        setg(eback(), eback() + (target - m_windowStart), egptr());
        return position;
    }
    return MoveTo(target) ? position : pos_type(off_type(-1));
}

bool WindowedFileBuffer::MoveTo(std::streamoff position) {
    if (m_file.pubseekpos(position, std::ios_base::in) == pos_type(off_type(-1)))
        return false;
    m_windowStart = position;
    setg(m_window.get(), m_window.get(), m_window.get());
    return true;
}

} // namespace Orvik
