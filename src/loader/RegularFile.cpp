#include "loader/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace Orvik {
namespace {

std::string DescribeKind(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a plain file";
}

} // namespace

std::string RegularFile::Check(const UTF16String& path) {
    struct stat status {};
    if (::stat(path.ToUTF8().c_str(), &status) != 0)
        return DescribeFailure(errno);
    return CheckMode(status.st_mode);
}

std::string RegularFile::CheckMode(mode_t mode) {
    if (!S_ISREG(mode))
        return "is not a regular file but " + DescribeKind(mode);
    return std::string();
}

std::string RegularFile::DescribeFailure(int error) {
    if (error == ENOENT || error == ENOTDIR)
        return "does not exist";
    return std::string("cannot be read: ") + std::strerror(error);
}

} // namespace Orvik
