#include "orvik/api/IOUtil.h"

#include "orvik/api/StringUtil.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace Orvik {

namespace {

bool EndsWithSeparator(const UTF16String& path) {
    const std::u16string& value = path.Value();
    return !value.empty() && (value.back() == u'/' || value.back() == u'\\');
}

std::filesystem::path FileSystemPath(const UTF16String& path) {
    return std::filesystem::u8path(path.ToUTF8());
}

} // namespace

UTF16String IOUtil::AppendFilePath(const UTF16String& directory, const UTF16String& name) {
    if (directory.IsEmpty() || StringUtil::IsAbsolutePath(name))
        return name;
    if (name.IsEmpty() || EndsWithSeparator(directory))
        return directory + name;
    return directory + UTF16String(u"/") + name;
}

bool IOUtil::IsFileExisted(const UTF16String& path) {
    if (path.IsEmpty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(FileSystemPath(path), error);
}

std::FILE* IOUtil::OpenFile(const UTF16String& path, const char* mode) {
    if (path.IsEmpty() || !mode)
        return nullptr;
    return std::fopen(path.ToUTF8().c_str(), mode);
}

void IOUtil::CloseFile(std::FILE* file) {
    if (file)
        std::fclose(file);
}

bool IOUtil::IsBigEndian() {
    const std::uint16_t probe = 0x0102;
    unsigned char firstByte = 0;
    std::memcpy(&firstByte, &probe, 1);
    return firstByte == 0x01;
}

} // namespace Orvik
