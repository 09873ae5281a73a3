#pragma once

#include "aec/XMLMaterialSetData.h"
#include "orvik/api/aec/IMaterialProfileSetData.h"

namespace Orvik {

// The profiles of a material ("IMaterialProfileSetData").
class XMLMaterialProfileSetData
    : public XMLMaterialSetData<IMaterialProfileSetData, IMaterialProfileData> {
public:
    const IObject* CompositeProfile() const override { return nullptr; }
    UnitTypeEnum ProfileLengthUnit() const override { return m_unit; }

    void ReadAttributes(const xercesc::DOMElement& element,
                        const MaterialDataContext& context) override;

protected:
    const XMLCh* MemberName() const override { return u"IMaterialProfileData"; }

private:
    UnitTypeEnum m_unit = UnitTypeEnum::kUnitType_Unknown;
};

} // namespace Orvik
