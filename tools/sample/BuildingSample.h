#pragma once

#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/XmlDocumentBuilder.h"

namespace Orvik::Sample {

// A storey of a building beside the gearbox: wall instances carrying AEC object data that name
// their wall type, a group for the type with its AEC type data, two layers, two levels of
// detail that the wall meshes belong to, and a feature override that cuts a door opening.
class BuildingSample {
public:
    // The instance that places the storey, for a child set of the top assembly.
    static void WriteInstance(Writer::XmlDocumentBuilder& b);
    // The storey's assembly and the wall part, as top-level elements.
    static void WriteElements(Writer::XmlDocumentBuilder& b);
    // The wall meshes of both levels of detail and the opening's mesh.
    static void AddMeshes(Writer::GeometryStreamWriter& stream);
    // The kernel body of the opening.
    static Writer::BodyFileWriter::Body OpeningBody();

private:
    static void WriteAttributeSet(Writer::XmlDocumentBuilder& b);
    static void WriteWallType(Writer::XmlDocumentBuilder& b);
    static void WriteWallInstance(Writer::XmlDocumentBuilder& b, const char* id, const char* label,
                                  const char* transform, const char* subType);
    static void WriteOpening(Writer::XmlDocumentBuilder& b);
};

} // namespace Orvik::Sample
