#include "xml_util/AmbrelBinaryDataExternalFileReader.h"

#include "orvik/api/IOUtil.h"
#include "orvik/api/StringUtil.h"
#include "xml_util/FsPathConverter.h"

#include <boost/filesystem/operations.hpp>
#include <cstdio>
#include <memory>

namespace Orvik {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { IOUtil::CloseFile(file); }
};

UTF16String ResolveAgainstDocument(const UTF16String& documentPath, const UTF16String& path) {
    if (path.IsEmpty())
        return {};
    return IOUtil::AppendFilePath(StringUtil::ExtractBranchPath(documentPath), path);
}

} // namespace

AmbrelBinaryDataExternalFileReader::AmbrelBinaryDataExternalFileReader(
    const UTF16String& documentPath, const UTF16String& path)
    : m_filePath(ResolveAgainstDocument(documentPath, path)) {}

std::optional<std::uint64_t> AmbrelBinaryDataExternalFileReader::FileSize() const {
    if (m_filePath.IsEmpty())
        return std::nullopt;
    boost::system::error_code error;
    const boost::filesystem::path path = FsPathConverter::ToPath(m_filePath);
    if (!boost::filesystem::is_regular_file(path, error) || error)
        return std::nullopt;
    const std::uintmax_t size = boost::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

bool AmbrelBinaryDataExternalFileReader::Read(void* buffer, std::size_t size) const {
    if (buffer == nullptr && size != 0)
        return false;
    if (!IOUtil::IsFileExisted(m_filePath))
        return false;
    const std::unique_ptr<std::FILE, FileCloser> file(IOUtil::OpenFile(m_filePath, "rb"));
    if (!file)
        return false;
    if (size == 0)
        return true;
    return std::fread(buffer, 1, size, file.get()) == size;
}

} // namespace Orvik
