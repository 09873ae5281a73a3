#include "producer/DocumentFile.h"

#include "loader/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Orvik {
namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::string DocumentFile::Read(const UTF16String& path, std::uint64_t maxBytes,
                               std::string& bytes) {
    bytes.clear();
    std::string refusal = RegularFile::Check(path);
    if (!refusal.empty())
        return refusal;
    // Non-blocking, so that a pipe put in the file's place since the check cannot hang the open.
    const Descriptor file(::open(path.ToUTF8().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        return RegularFile::DescribeFailure(errno);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        return RegularFile::DescribeFailure(errno);
    refusal = RegularFile::CheckMode(status.st_mode);
    if (!refusal.empty())
        return refusal;
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > maxBytes)
        return "is larger than the limit of " + std::to_string(maxBytes) +
               " bytes (maxDocumentBytes)";
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::string("cannot be read: ") + std::strerror(errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    // A file that shrank while being read is parsed as far as it goes.
    bytes.resize(done);
    return std::string();
}

} // namespace Orvik
