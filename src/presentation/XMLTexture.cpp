#include "presentation/XMLTexture.h"

#include "orvik/api/IOUtil.h"
#include "xml_util/FsPathConverter.h"

#include <boost/filesystem/operations.hpp>
#include <cstdio>
#include <memory>

namespace Orvik {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { IOUtil::CloseFile(file); }
};

// The size of a regular file that is no link; empty otherwise.
std::optional<std::uintmax_t> RegularFileSize(const UTF16String& path) {
    namespace fs = boost::filesystem;
    boost::system::error_code error;
    const fs::path file = FsPathConverter::ToPath(path);
    if (!fs::is_regular_file(fs::symlink_status(file, error)) || error)
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return std::nullopt;
    return size;
}

} // namespace

IsValueSpecifiedEnum XMLTexture::EmbeddedTextureImage(int size, void* buffer) const {
    if (!m_tempFile || size < 0 || buffer == nullptr)
        return IsValueSpecifiedEnum::kUnspecified;
    const std::optional<std::uintmax_t> fileSize = RegularFileSize(*m_tempFile);
    const auto wanted = static_cast<std::size_t>(size);
    if (!fileSize || wanted > *fileSize)
        return IsValueSpecifiedEnum::kUnspecified;
    const std::unique_ptr<std::FILE, FileCloser> file(IOUtil::OpenFile(*m_tempFile, "rb"));
    if (!file)
        return IsValueSpecifiedEnum::kUnspecified;
    if (wanted != 0 && std::fread(buffer, 1, wanted, file.get()) != wanted)
        return IsValueSpecifiedEnum::kUnspecified;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
