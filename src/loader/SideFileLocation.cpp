#include "loader/SideFileLocation.h"

#include "xml_util/FsPathConverter.h"

#include <boost/filesystem/operations.hpp>

namespace Orvik {

namespace fs = boost::filesystem;

UTF16String SideFileLocation::BesideDocument(const UTF16String& documentPath,
                                             const UTF16String& value) {
    const fs::path folder = FsPathConverter::ToPath(documentPath).parent_path();
    return FsPathConverter::FromPath(folder / FsPathConverter::ToPath(value));
}

bool SideFileLocation::StaysInsideDocumentFolder(const UTF16String& documentPath,
                                                 const UTF16String& value) {
    // Readers differ on an absolute value: some take it as it stands, some below the folder.
    if (FsPathConverter::ToPath(value).is_absolute() &&
        !IsInsideDocumentFolder(documentPath, value))
        return false;
    return IsInsideDocumentFolder(documentPath, BesideDocument(documentPath, value));
}

bool SideFileLocation::IsInsideDocumentFolder(const UTF16String& documentPath,
                                              const UTF16String& path) {
    boost::system::error_code error;
    // Links are followed where they exist, so one that leads out is seen as leading out.
    const fs::path folder = fs::weakly_canonical(
        fs::absolute(FsPathConverter::ToPath(documentPath)).parent_path(), error);
    if (error)
        return false;
    const fs::path target =
        fs::weakly_canonical(fs::absolute(FsPathConverter::ToPath(path)), error);
    if (error)
        return false;
    auto inTarget = target.begin();
    for (auto inFolder = folder.begin(); inFolder != folder.end(); ++inFolder, ++inTarget)
        if (inTarget == target.end() || *inFolder != *inTarget)
            return false;
    return true;
}

} // namespace Orvik
