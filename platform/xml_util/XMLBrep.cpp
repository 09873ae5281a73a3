#include "xml_util/XMLBrep.h"

namespace Orvik {

XMLBrep::XMLBrep(const UTF8String& id, const UTF16String& label, const Veld::BODY* body,
                 ProducerGeometryTypeEnum geometryType)
    : XMLEntity(id, label, body, geometryType) {}

} // namespace Orvik
