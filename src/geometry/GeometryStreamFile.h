#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/UTF16String.h"
#include "xml_util/WindowedFileBuffer.h"

#include <cstddef>

namespace Orvik {

class GeomFileContext;

// The mesh and curve stream named by "GeometryInfo" and "MeshInfo".
class GeometryStreamFile {
public:
    // Path relative to the document's folder, read through a window of the given size. False
    // when the file does not open or the walk fails; what was read before a failure stays in
    // the tables.
    static bool
    ReadGeometryStreamFile(const GeomFileContext& context, const UTF16String& path,
                           MeshTable& meshesById, CurveTable* curvesById, bool hasInnerLoops,
                           std::size_t windowBytes = WindowedFileBuffer::kDefaultWindowBytes);
};

} // namespace Orvik
