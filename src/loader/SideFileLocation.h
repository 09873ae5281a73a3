#pragma once

#include "orvik/api/UTF16String.h"

#include <boost/filesystem/path.hpp>

namespace Orvik {

// A document may name side files only inside its own folder (for a zipped document, the
// extraction folder it was unpacked into): never "../" out of it, an absolute path elsewhere, or
// a link that leads out.
class SideFileLocation {
public:
    // The path a side-file reader opens for a "Path" value: the document's folder joined with
    // it (an absolute value stands as it is).
    static UTF16String BesideDocument(const UTF16String& documentPath, const UTF16String& value);
    // Whether a "Path" value, or the full path made of it, stays inside the document's folder
    // however a reader joins it: beside the document, or standing as it is when absolute. False
    // as well when the path cannot be resolved.
    static bool StaysInsideDocumentFolder(const UTF16String& documentPath,
                                          const UTF16String& value);

    // Whether a path stays inside the folder once ".." and links are resolved: a link that
    // leads back inside is followed, one that leads out is not. False as well when either
    // cannot be resolved or the folder is empty.
    static bool StaysInsideFolder(const UTF16String& folder, const UTF16String& path);

    // Whether a path stays inside the folder once ".." is resolved, with no link on the way
    // from the folder down to it (the path itself included). The folder may be reached through
    // links. False for an empty folder.
    static bool LiesInsideFolder(const UTF16String& folder, const UTF16String& path);

private:
    static bool IsInsideDocumentFolder(const UTF16String& documentPath, const UTF16String& path);
    static bool StaysInside(const boost::filesystem::path& folder, const UTF16String& path);
};

} // namespace Orvik
