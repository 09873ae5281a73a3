#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

class GeomFileContext;

// Face and edge segments of polygon meshes already read ("MeshSegmentInfo").
class MeshSegmentFile {
public:
    // The path is already resolved. True at once for an empty mesh table; false when the file
    // does not open, announces no record, or is truncated or oversized (records before stay).
    static bool ReadMeshSegmentFile(const GeomFileContext& context, const UTF16String& fullPath,
                                    MeshTable& meshesById);
};

} // namespace Orvik
