#include "presentation/TextureFileResolver.h"

#include "loader/ReadContext.h"
#include "loader/SideFileLocation.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/StringUtil.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLStrUtil.h"

#include <boost/filesystem/operations.hpp>

namespace Orvik {
namespace {

namespace fs = boost::filesystem;

bool IsSeparator(char16_t c) {
    return c == u'/' || c == u'\\';
}

bool IsRegularFileNoLink(const UTF16String& path) {
    boost::system::error_code error;
    return fs::is_regular_file(fs::symlink_status(FsPathConverter::ToPath(path), error)) && !error;
}

} // namespace

UTF16String TextureFileResolver::ResolveFileReference(const UTF16String& reference) const {
    if (!m_context.ZipDirectory().IsEmpty())
        return ResolveInZipDirectory(reference);
    return ResolveBesideDocument(reference);
}

UTF16String TextureFileResolver::ResolveInZipDirectory(const UTF16String& reference) const {
    const UTF16String& folder = m_context.ZipDirectory();
    const UTF16String joined =
        XMLStrUtil::ToGenericWStringPath(IOUtil::AppendFilePath(folder, reference));
    if (!Inside(folder, joined)) {
        ReportRefused(reference, "texture file");
        return reference;
    }
    if (IOUtil::IsFileExisted(joined))
        return joined;
    const UTF16String copy = XMLStrUtil::ToGenericWStringPath(
        IOUtil::AppendFilePath(folder, ReplacedSpelling(reference)));
    if (copy == joined || !Inside(folder, copy) || !IsRegularFileNoLink(copy))
        return reference;
    // The unpacking stored the name under its replaced spelling: give it back its own name.
    boost::system::error_code error;
    fs::rename(FsPathConverter::ToPath(copy), FsPathConverter::ToPath(joined), error);
    return error ? copy : joined;
}

UTF16String TextureFileResolver::ResolveBesideDocument(const UTF16String& reference) const {
    const UTF16String& folder = m_context.SideFileDirectory();
    if (folder.IsEmpty())
        return reference;
    const UTF16String joined = IOUtil::AppendFilePath(folder, reference);
    if (!Inside(folder, joined)) {
        ReportRefused(reference, "texture file");
        return reference;
    }
    return IOUtil::IsFileExisted(joined) ? joined : reference;
}

bool TextureFileResolver::VetTempFilePath(const UTF16String& written, UTF16String& path) const {
    const UTF16String& sideFolder = m_context.SideFileDirectory();
    const UTF16String candidate =
        StringUtil::IsAbsolutePath(written) ? written : IOUtil::AppendFilePath(sideFolder, written);
    if (!m_context.LiesInsideDocumentFolders(candidate) || !IsRegularFileNoLink(candidate)) {
        ReportRefused(written, "embedded image file");
        return false;
    }
    path = candidate;
    return true;
}

UTF16String TextureFileResolver::ReplacedSpelling(const UTF16String& reference) {
    const std::u16string& text = reference.Value();
    std::u16string replaced;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = start;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        replaced +=
            StringUtil::ReplaceUnsupportCharacters(UTF16String(text.substr(start, end - start)))
                .Value();
        if (end < text.size())
            replaced += text[end];
        start = end + 1;
    }
    return UTF16String(std::move(replaced));
}

bool TextureFileResolver::Inside(const UTF16String& folder, const UTF16String& path) const {
    return SideFileLocation::LiesInsideFolder(folder, path);
}

void TextureFileResolver::ReportRefused(const UTF16String& path, const char* what) const {
    m_context.Report(DiagnosticCode::kOutsideDocumentFolder, DiagnosticSeverity::kError, &m_texture,
                     UTF8String(std::string("the ") + what + " \"" + path.ToUTF8() +
                                "\" lies outside the document's folders or passes through a "
                                "link; it is neither read nor moved"));
}

} // namespace Orvik
