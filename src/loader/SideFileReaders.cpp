#include "loader/SideFileReaders.h"

namespace Orvik {

// The formats below are read by the geometry and presentation subsystems as they arrive; until
// then a section is recognised and its file left unread.

bool SideFileReaders::ReadBodies(XMLProducerImpl&, const UTF16String&, SideDataCache&) {
    return true;
}

bool SideFileReaders::ReadGeometryStream(XMLProducerImpl&, const UTF16String&, bool, bool,
                                         SideDataCache&) {
    return true;
}

bool SideFileReaders::ReadMeshSegments(XMLProducerImpl&, const UTF16String&, SideDataCache&) {
    return true;
}

bool SideFileReaders::ReadSubdivMeshes(XMLProducerImpl&, const UTF16String&, SideDataCache&) {
    return true;
}

bool SideFileReaders::ReadAmbrelAssets(XMLProducerImpl&, const UTF16String&, SideDataCache&) {
    return true;
}

bool SideFileReaders::ReadSubObjectPersistentIds(XMLProducerImpl&, const UTF16String&,
                                                 SideDataCache&) {
    return true;
}

} // namespace Orvik
