#pragma once

#include "orvik/api/UTF16String.h"

namespace Orvik {

class ReadContext;

// What a side-file reader needs to know about the document it reads for; built by the loading
// driver just before one reader runs and dropped after it.
class GeomFileContext {
public:
    GeomFileContext(ReadContext& context, bool legacyGeomFile);
    GeomFileContext(ReadContext& context, const UTF16String& documentPath, bool legacyGeomFile);

    const UTF16String& DocumentPath() const { return m_documentPath; }
    // Byte order of this host, taken once so every binary read of one file agrees.
    bool HostIsBigEndian() const { return m_hostIsBigEndian; }
    ReadContext& Context() const { return m_context; }
    bool LegacyGeomFile() const { return m_legacyGeomFile; }

    // A side file named in the document lies beside it: the document's directory joined with
    // the path, which stands as it is when absolute (the one rule of SideFileLocation).
    UTF16String ResolvePath(const UTF16String& path) const;

private:
    UTF16String m_documentPath;
    bool m_hostIsBigEndian;
    ReadContext& m_context;
    bool m_legacyGeomFile;
};

} // namespace Orvik
