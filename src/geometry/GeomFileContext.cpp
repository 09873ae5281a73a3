#include "geometry/GeomFileContext.h"

#include "loader/ReadContext.h"
#include "loader/SideFileLocation.h"
#include "orvik/api/IOUtil.h"

namespace Orvik {

GeomFileContext::GeomFileContext(ReadContext& context, bool legacyGeomFile)
    : GeomFileContext(context, context.DocumentPath(), legacyGeomFile) {}

GeomFileContext::GeomFileContext(ReadContext& context, const UTF16String& documentPath,
                                 bool legacyGeomFile)
    : m_documentPath(documentPath)
    , m_hostIsBigEndian(IOUtil::IsBigEndian())
    , m_context(context)
    , m_legacyGeomFile(legacyGeomFile) {}

UTF16String GeomFileContext::ResolvePath(const UTF16String& path) const {
    return SideFileLocation::BesideDocument(m_documentPath, path);
}

} // namespace Orvik
