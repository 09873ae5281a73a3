#include "orvik/writer/CFile.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace Orvik::Writer {

CFile::CFile(std::string path, const char* mode)
    : path_(std::move(path))
    , file_(std::fopen(path_.c_str(), mode)) {
    if (!file_) {
        Fail("open", errno);
    }
}

void CFile::WriteAll(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        Fail("write", errno);
    }
}

std::string CFile::ReadAll() {
    std::string bytes;
    char chunk[65536];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file_.get())) > 0) {
        bytes.append(chunk, count);
    }
    if (std::ferror(file_.get())) {
        Fail("read", errno);
    }
    return bytes;
}

void CFile::Close() {
    if (std::fclose(file_.release()) != 0) {
        Fail("close", errno);
    }
}

void CFile::Fail(const std::string& action, int errorNumber) const {
    throw std::runtime_error("cannot " + action + " '" + path_ +
                             "': " + std::strerror(errorNumber));
}

} // namespace Orvik::Writer
