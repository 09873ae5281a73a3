#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <fstream>

namespace Orvik {

// The object the geometry stream walker (XMLReaderUtil::ReadGeometryFromExternalFile) calls for
// each record of a mesh and curve stream file. The walker reads the record framing and the id;
// each Read* operation is called with the stream standing at the first byte of the record's
// payload and may read at most up to the end of that record: the walker fails the walk when a
// reader leaves the stream failed or past the record's end, and skips payload bytes left unread.
class XMLStreamReaderInterface {
public:
    virtual ~XMLStreamReaderInterface() = default;

    // True for the older stream layout, whose mesh records carry no texture coordinates.
    virtual bool LegacyGeomFile() const = 0;
    // Byte-order flag of the host, handed to every BinaryReadWriteUtil read.
    virtual bool BigEndian() const = 0;
    virtual std::ifstream* FileStreamPtr() const = 0;
    // Style ids of the polygons of the mesh read last. Reports trouble by failing the stream.
    virtual void ReadMeshStyleIds() = 0;
    virtual bool ReadMesh(const UTF8String& meshId) = 0;
    // One curve-data record of the given type code for the curve with this id.
    virtual bool ReadCurve(const UTF8String& curveId, std::uint64_t typeCode) = 0;
};

} // namespace Orvik
