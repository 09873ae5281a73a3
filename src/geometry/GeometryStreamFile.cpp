#include "geometry/GeometryStreamFile.h"

#include "geometry/GeomFileContext.h"
#include "geometry/XMLProducerGeomDataReader.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLReaderUtil.h"

#include <fstream>
#include <memory>

namespace Orvik {

bool GeometryStreamFile::ReadGeometryStreamFile(const GeomFileContext& context,
                                                const UTF16String& path, MeshTable& meshesById,
                                                CurveTable* curvesById, bool hasInnerLoops,
                                                std::size_t windowBytes) {
    WindowedFileBuffer window(windowBytes);
    if (!window.Open(FsPathConverter::ToPath(context.ResolvePath(path)).string()))
        return false;
    // The readers take a file stream; its operations run on the window.
    std::ifstream stream;
    stream.std::ios::rdbuf(&window);
    auto meshReader = std::make_unique<MeshStreamReader>(
        &stream, context.LegacyGeomFile(), context.HostIsBigEndian(), meshesById, hasInnerLoops);
    XMLProducerGeomDataReader reader(std::move(meshReader), &context.Context(), curvesById);
    const bool read = XMLReaderUtil::ReadGeometryFromExternalFile(reader);
    stream.std::ios::rdbuf(stream.rdbuf());
    return read;
}

} // namespace Orvik
