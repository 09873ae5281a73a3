#pragma once

#include "aec/XMLAECDomainData.h"
#include "orvik/api/aec/IAECTypeObjectData.h"

#include <vector>

namespace Orvik {

// The AEC data of a group that stands for a building element type, with the parts it shares.
class XMLAECTypeObjectData : public XMLAECDomainData<IAECTypeObjectData> {
public:
    using XMLAECDomainData::XMLAECDomainData;

    std::size_t SharedGeometryComponentIdCount() const override { return m_components.size(); }
    const SharedGeometryComponentId& SharedGeometryComponentIdAt(std::size_t index) const override;

    void AddSharedGeometryComponentId(const SharedGeometryComponentId& id);

private:
    std::vector<SharedGeometryComponentId> m_components;
};

} // namespace Orvik
