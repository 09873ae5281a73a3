#pragma once

#include "orvik/api/UTF16String.h"

#include <boost/filesystem/path.hpp>

namespace Orvik {

// Filesystem paths are UTF-8 on this platform; the framework hands them over as UTF-16.
class FsPathConverter {
public:
    static boost::filesystem::path ToPath(const UTF16String& path);
    // Without trailing separators, which would otherwise read as a last "." component.
    static boost::filesystem::path ToFolderPath(const UTF16String& path);
    static UTF16String FromPath(const boost::filesystem::path& path);
};

} // namespace Orvik
