#include "xml_util/FsPathConverter.h"

#include "orvik/api/Unicode.h"

namespace Orvik {

boost::filesystem::path FsPathConverter::ToPath(const UTF16String& path) {
#ifdef _WIN32
    return boost::filesystem::path(Unicode::Utf16ToWide(path.Value()));
#else
    return boost::filesystem::path(Unicode::Utf16ToUtf8(path.Value()));
#endif
}

boost::filesystem::path FsPathConverter::ToFolderPath(const UTF16String& path) {
    auto text = ToPath(path).native();
    const auto isSeparator = [](auto c) {
        return c == '/' || c == boost::filesystem::path::preferred_separator;
    };
    while (text.size() > 1 && isSeparator(text.back())) {
        text.pop_back();
    }
    return boost::filesystem::path(text);
}

UTF16String FsPathConverter::FromPath(const boost::filesystem::path& path) {
#ifdef _WIN32
    return UTF16String(Unicode::WideToUtf16(path.native()));
#else
    return UTF16String(Unicode::Utf8ToUtf16(path.native()));
#endif
}

} // namespace Orvik
