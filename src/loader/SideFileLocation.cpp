#include "loader/SideFileLocation.h"

#include "orvik/api/StringUtil.h"
#include "xml_util/FsPathConverter.h"

#include <boost/filesystem/operations.hpp>

namespace Orvik {

namespace fs = boost::filesystem;

UTF16String SideFileLocation::BesideDocument(const UTF16String& documentPath,
                                             const UTF16String& value) {
    // The path library appends an absolute value to the folder instead of taking it.
    if (StringUtil::IsAbsolutePath(value))
        return value;
    const fs::path folder = FsPathConverter::ToPath(documentPath).parent_path();
    return FsPathConverter::FromPath(folder / FsPathConverter::ToPath(value));
}

bool SideFileLocation::StaysInsideDocumentFolder(const UTF16String& documentPath,
                                                 const UTF16String& value) {
    // Readers differ on an absolute value: some take it as it stands, some below the folder.
    const fs::path folder = FsPathConverter::ToPath(documentPath).parent_path();
    const UTF16String below = FsPathConverter::FromPath(folder / FsPathConverter::ToPath(value));
    return IsInsideDocumentFolder(documentPath, BesideDocument(documentPath, value)) &&
           IsInsideDocumentFolder(documentPath, below);
}

bool SideFileLocation::IsInsideDocumentFolder(const UTF16String& documentPath,
                                              const UTF16String& path) {
    return StaysInside(fs::absolute(FsPathConverter::ToPath(documentPath)).parent_path(), path);
}

bool SideFileLocation::StaysInsideFolder(const UTF16String& folder, const UTF16String& path) {
    if (folder.IsEmpty())
        return false;
    return StaysInside(fs::absolute(FsPathConverter::ToFolderPath(folder)), path);
}

bool SideFileLocation::StaysInside(const fs::path& folder, const UTF16String& path) {
    boost::system::error_code error;
    // Links are followed where they exist, so one that leads out is seen as leading out.
    const fs::path base = fs::weakly_canonical(folder, error);
    if (error)
        return false;
    const fs::path target =
        fs::weakly_canonical(fs::absolute(FsPathConverter::ToPath(path)), error);
    if (error)
        return false;
    auto inTarget = target.begin();
    for (auto inBase = base.begin(); inBase != base.end(); ++inBase, ++inTarget)
        if (inTarget == target.end() || *inBase != *inTarget)
            return false;
    return true;
}

bool SideFileLocation::LiesInsideFolder(const UTF16String& folder, const UTF16String& path) {
    if (folder.IsEmpty() || path.IsEmpty())
        return false;
    const fs::path base = fs::absolute(FsPathConverter::ToPath(folder)).lexically_normal();
    const fs::path target = fs::absolute(FsPathConverter::ToPath(path)).lexically_normal();
    auto inTarget = target.begin();
    for (auto inBase = base.begin(); inBase != base.end(); ++inBase, ++inTarget) {
        // A trailing separator of the folder reads as an empty last part.
        if (inBase->empty() || inBase->string() == ".")
            continue;
        if (inTarget == target.end() || *inBase != *inTarget)
            return false;
    }
    fs::path walked = base;
    for (; inTarget != target.end(); ++inTarget) {
        if (inTarget->empty() || inTarget->string() == ".")
            continue;
        walked /= *inTarget;
        boost::system::error_code error;
        if (fs::is_symlink(fs::symlink_status(walked, error)))
            return false;
    }
    return true;
}

} // namespace Orvik
