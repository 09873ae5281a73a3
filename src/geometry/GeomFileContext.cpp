#include "geometry/GeomFileContext.h"

#include "loader/ReadContext.h"
#include "orvik/api/IOUtil.h"
#include "xml_util/FsPathConverter.h"

namespace Orvik {

GeomFileContext::GeomFileContext(ReadContext& context, bool legacyGeomFile)
    : GeomFileContext(context, context.DocumentPath(), legacyGeomFile) {}

GeomFileContext::GeomFileContext(ReadContext& context, const UTF16String& documentPath,
                                 bool legacyGeomFile)
    : m_documentPath(documentPath)
    , m_hostIsBigEndian(IOUtil::IsBigEndian())
    , m_context(context)
    , m_legacyGeomFile(legacyGeomFile) {}

UTF16String GeomFileContext::ResolvePath(const UTF16String& relativePath) const {
    const auto directory = FsPathConverter::ToPath(m_documentPath).parent_path();
    return FsPathConverter::FromPath(directory / FsPathConverter::ToPath(relativePath));
}

} // namespace Orvik
