#include "loader/SideFileReaders.h"

#include "geometry/GeomFileContext.h"
#include "geometry/GeometryStreamFile.h"
#include "geometry/MeshSegmentFile.h"
#include "geometry/SubdivMeshFile.h"
#include "geometry/VeldFileReader.h"
#include "xml_util/SubObjectPersistentIdReader.h"

namespace Orvik {

// The formats below are read by the geometry and presentation subsystems as they arrive; until
// then a section is recognised and its file left unread.

bool SideFileReaders::ReadBodies(XMLProducerImpl& context, const UTF16String& path,
                                 SideDataCache& cache) {
    const GeomFileContext geomContext(context, false);
    return VeldFileReader::RestoreVeldFile(geomContext, path, cache.edgeCurvesByDxid,
                                           cache.bodiesByDxid);
}

bool SideFileReaders::ReadGeometryStream(XMLProducerImpl& context, const UTF16String& path,
                                         bool geometryInfoKind, bool hasInnerLoops,
                                         SideDataCache& cache) {
    const GeomFileContext geomContext(context, geometryInfoKind);
    return GeometryStreamFile::ReadGeometryStreamFile(geomContext, path, cache.meshesById,
                                                      &cache.curvesById, hasInnerLoops);
}

bool SideFileReaders::ReadMeshSegments(XMLProducerImpl& context, const UTF16String& path,
                                       SideDataCache& cache) {
    const GeomFileContext geomContext(context, false);
    return MeshSegmentFile::ReadMeshSegmentFile(geomContext, path, cache.meshesById);
}

bool SideFileReaders::ReadSubdivMeshes(XMLProducerImpl& context, const UTF16String& path,
                                       SideDataCache& cache) {
    const GeomFileContext geomContext(context, false);
    return SubdivMeshFile::ReadSubdivMeshFile(geomContext, path, cache.meshesById);
}

bool SideFileReaders::ReadAmbrelAssets(XMLProducerImpl&, const UTF16String&, SideDataCache&) {
    return true;
}

bool SideFileReaders::ReadSubObjectPersistentIds(XMLProducerImpl&, const UTF16String& path,
                                                 SideDataCache& cache) {
    return SubObjectPersistentIdReader::LoadSubObjectPersistentIds(path,
                                                                   cache.subObjectPersistentIds);
}

} // namespace Orvik
