#pragma once

#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/XmlDocumentBuilder.h"

namespace Orvik::Sample {

// The notes of the sample: a part of callouts placed in the housing, one on a plane written in
// place and one on the housing's mid plane, pointing at geometry of their own and at geometry
// read before them.
class AnnotationSample {
public:
    // The leader curve and the badge mesh of the side files.
    static void AddGeometry(Writer::GeometryStreamWriter& stream);
    // Placed last in the housing, so everything the notes refer to is read before them.
    static void WriteInstance(Writer::XmlDocumentBuilder& b);
    static void WritePart(Writer::XmlDocumentBuilder& b);

private:
    static void WriteInlineCallout(Writer::XmlDocumentBuilder& b);
    static void WriteReferencingCallout(Writer::XmlDocumentBuilder& b);
    static void WriteText(Writer::XmlDocumentBuilder& b);
    static void WriteFragment(Writer::XmlDocumentBuilder& b,
                              Writer::XmlDocumentBuilder::AttributeList attributes);
};

} // namespace Orvik::Sample
