#pragma once

#include "orvik/api/DomainDataVisitor.h"
#include "orvik/api/FileChildId.h"
#include "orvik/api/aec/IAECDomainData.h"

#include <cstddef>

namespace Orvik {

// The data of a building element type, with the shared geometry components it is made of.
class IAECTypeObjectData : public IAECDomainData {
public:
    using IAECDomainData::IAECDomainData;

    void AcceptVisitor(DomainDataVisitor& visitor) const override { visitor.Visit(*this); }

    virtual std::size_t SharedGeometryComponentIdCount() const = 0;
    // Throws GeneralException for an index not below the count.
    virtual const SharedGeometryComponentId&
    SharedGeometryComponentIdAt(std::size_t index) const = 0;
};

} // namespace Orvik
