#pragma once

#include <cstddef>
#include <fstream>
#include <memory>
#include <streambuf>
#include <string>

namespace Orvik {

// Reads a file through a window of fixed size that is refilled as the reading moves on. Unlike a
// file stream's own buffer it answers "where am I" and seeks inside the window without asking the
// file, which a reader that checks its position at every record would otherwise pay for with a
// system call each time; unlike reading the whole file at once, its memory does not grow with
// the file.
class WindowedFileBuffer : public std::streambuf {
public:
    static constexpr std::size_t kDefaultWindowBytes = 64 * 1024;

    explicit WindowedFileBuffer(std::size_t windowBytes = kDefaultWindowBytes);

    // False when the file does not open.
    bool Open(const std::string& path);

protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    std::streamoff Position() const { return m_windowStart + (gptr() - eback()); }
    std::streamoff WindowEnd() const { return m_windowStart + (egptr() - eback()); }
    // Empties the window at the given file position, where the next read refills it.
    bool MoveTo(std::streamoff position);

    std::filebuf m_file;
    std::size_t m_windowBytes;
    std::unique_ptr<char[]> m_window;
    // The file position of the window's first byte.
    std::streamoff m_windowStart = 0;
};

} // namespace Orvik
