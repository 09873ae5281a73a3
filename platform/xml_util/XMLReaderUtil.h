#pragma once

namespace Orvik {

class XMLStreamReaderInterface;

class XMLReaderUtil {
public:
    // Stream record kinds (docs/formats.md).
    static constexpr unsigned kMeshRecord = 1;
    static constexpr unsigned kMeshStyleIdsRecord = 2;
    static constexpr unsigned kCurveRecord = 3;
    static constexpr unsigned kStreamVersion = 1;

    // Walks a geometry stream from its start, handing each record to the reader. False on a
    // missing stream, a wrong version, an unknown record kind, a record longer than the bytes
    // left, or a reader that fails or reads past its record; records before it stay read.
    static bool ReadGeometryFromExternalFile(XMLStreamReaderInterface& reader);
};

} // namespace Orvik
