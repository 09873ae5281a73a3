#include "xml_util/XMLBrep.h"

namespace Orvik {

XMLBrep::XMLBrep(const UTF8String& id, const UTF16String& label, const Veld::BODY* body,
                 ProducerGeometryTypeEnum geometryType)
    : DetachableVeldBrep(body, geometryType)
    , XMLObject(id, label) {}

IsValueSpecifiedEnum XMLBrep::ExtensionDataByTypeId(const UTF8String& typeId,
                                                    ExtensionDataContent& out) const {
    return ExtensionDataByTypeIdImpl(typeId, out);
}

IsValueSpecifiedEnum XMLBrep::VersionPersistentId(UTF8String& out) const {
    return VersionPersistentIdImpl(out);
}

IsValueSpecifiedEnum XMLBrep::Properties(std::vector<Property>& out) const {
    return PropertiesImpl(out);
}

} // namespace Orvik
