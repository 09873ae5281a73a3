#pragma once

#include "orvik/api/DomainDataVisitor.h"
#include "orvik/api/FileChildId.h"
#include "orvik/api/aec/IAECDomainData.h"

namespace Orvik {

// The data of one building element, which may name the type object it is an instance of.
class IAECObjectData : public IAECDomainData {
public:
    using IAECDomainData::IAECDomainData;

    void AcceptVisitor(DomainDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum TypeObjectId(AECTypeObjectId& out) const = 0;
};

} // namespace Orvik
