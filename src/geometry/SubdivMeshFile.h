#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

class GeomFileContext;

// Subdivision meshes with their creases ("SubdivMeshInfo"); their cages come from the stream.
class SubdivMeshFile {
public:
    // Path relative to the document's folder. False when the file does not open, its leading
    // value is not 0, it announces no record, or it is truncated or oversized.
    static bool ReadSubdivMeshFile(const GeomFileContext& context, const UTF16String& path,
                                   MeshTable& meshesById);
};

} // namespace Orvik
