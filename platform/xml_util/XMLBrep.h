#pragma once

#include "veld/DetachableVeldBrep.h"
#include "xml_util/XMLObject.h"

namespace Orvik {

// A brep of the document: the kernel body restored under its id, with the element's
// presentation. The body stays with the table it was restored into.
class XMLBrep : public DetachableVeldBrep, public XMLObject {
public:
    XMLBrep(const UTF8String& id, const UTF16String& label, const Veld::BODY* body,
            ProducerGeometryTypeEnum geometryType);

    UTF8String Id() const override { return IdImpl(); }
    UTF16String Label() const override { return LabelImpl(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String& typeId,
                                               ExtensionDataContent& out) const override;
    IsValueSpecifiedEnum ChangeKey(UTF16String& out) const override { return ChangeKeyImpl(out); }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String& out) const override;
    IsValueSpecifiedEnum Properties(std::vector<Property>& out) const override;
    const IDomainData* DomainData() const override { return DomainDataImpl(); }
};

} // namespace Orvik
