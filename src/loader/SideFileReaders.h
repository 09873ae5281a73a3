#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

class XMLProducerImpl;

// Entry points of the side-file readers that fill the cache; each answers false when its file
// could not be read, having kept what it read before the failure.
class SideFileReaders {
public:
    // Kernel bodies, and curves made from their edges ("SatInfo").
    static bool ReadBodies(XMLProducerImpl& context, const UTF16String& path, SideDataCache& cache);
    // Meshes and curves of a geometry stream ("GeometryInfo", "MeshInfo").
    static bool ReadGeometryStream(XMLProducerImpl& context, const UTF16String& path,
                                   bool geometryInfoKind, bool hasInnerLoops, SideDataCache& cache);
    static bool ReadMeshSegments(XMLProducerImpl& context, const UTF16String& path,
                                 SideDataCache& cache);
    static bool ReadSubdivMeshes(XMLProducerImpl& context, const UTF16String& path,
                                 SideDataCache& cache);
    // Serialized render assets of styles ("AmbrelMaterialInfo").
    static bool ReadAmbrelAssets(XMLProducerImpl& context, const UTF16String& path,
                                 SideDataCache& cache);
    static bool ReadSubObjectPersistentIds(XMLProducerImpl& context, const UTF16String& path,
                                           SideDataCache& cache);
};

} // namespace Orvik
