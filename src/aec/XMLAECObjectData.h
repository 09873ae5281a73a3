#pragma once

#include "aec/XMLAECDomainData.h"
#include "orvik/api/aec/IAECObjectData.h"

namespace Orvik {

// The AEC data of an instance: its domain type, owner history and, when named, its type object.
class XMLAECObjectData : public XMLAECDomainData<IAECObjectData> {
public:
    using XMLAECDomainData::XMLAECDomainData;

    IsValueSpecifiedEnum TypeObjectId(AECTypeObjectId& out) const override;

    void SetTypeObjectId(const AECTypeObjectId& id);

private:
    AECTypeObjectId m_typeObjectId;
    bool m_hasTypeObjectId = false;
};

} // namespace Orvik
