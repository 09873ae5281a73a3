#include "geometry/GeomFileContext.h"

#include "orvik/api/IOUtil.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/FsPathConverter.h"

namespace Orvik {

GeomFileContext::GeomFileContext(XMLProducerImpl& producer, bool legacyGeomFile)
    : GeomFileContext(producer, producer.DocumentPath(), legacyGeomFile) {}

GeomFileContext::GeomFileContext(XMLProducerImpl& producer, const UTF16String& documentPath,
                                 bool legacyGeomFile)
    : m_documentPath(documentPath)
    , m_hostIsBigEndian(IOUtil::IsBigEndian())
    , m_producer(producer)
    , m_legacyGeomFile(legacyGeomFile) {}

UTF16String GeomFileContext::ResolvePath(const UTF16String& relativePath) const {
    const auto directory = FsPathConverter::ToPath(m_documentPath).parent_path();
    return FsPathConverter::FromPath(directory / FsPathConverter::ToPath(relativePath));
}

} // namespace Orvik
