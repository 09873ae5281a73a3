#pragma once

#include "veld/DetachableVeldBrep.h"
#include "xml_util/XMLEntity.h"

namespace Orvik {

// A brep of the document: the kernel body restored under its id, with the element's
// presentation. The body stays with the table it was restored into.
class XMLBrep : public XMLEntity<DetachableVeldBrep> {
public:
    XMLBrep(const UTF8String& id, const UTF16String& label, const Veld::BODY* body,
            ProducerGeometryTypeEnum geometryType);
};

} // namespace Orvik
