#include "geometry/GeometryStreamFile.h"

#include "geometry/GeomFileContext.h"
#include "geometry/XMLProducerGeomDataReader.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLReaderUtil.h"

#include <fstream>

namespace Orvik {

bool GeometryStreamFile::ReadGeometryStreamFile(const GeomFileContext& context,
                                                const UTF16String& path, MeshTable& meshesById,
                                                CurveTable* curvesById, bool hasInnerLoops) {
    std::ifstream stream(FsPathConverter::ToPath(context.ResolvePath(path)).string(),
                         std::ios::binary);
    if (!stream.is_open())
        return false;
    auto meshReader = std::make_unique<MeshStreamReader>(
        &stream, context.LegacyGeomFile(), context.HostIsBigEndian(), meshesById, hasInnerLoops);
    XMLProducerGeomDataReader reader(std::move(meshReader), &context.Context(), curvesById);
    return XMLReaderUtil::ReadGeometryFromExternalFile(reader);
}

} // namespace Orvik
