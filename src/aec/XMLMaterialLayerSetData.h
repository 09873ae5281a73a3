#pragma once

#include "aec/XMLMaterialSetData.h"
#include "orvik/api/aec/IMaterialLayerSetData.h"

namespace Orvik {

// The layers of a wall or slab ("IMaterialLayerSetData"), with their total thickness.
class XMLMaterialLayerSetData
    : public XMLMaterialSetData<IMaterialLayerSetData, IMaterialLayerData> {
public:
    double TotalThickness() const override { return m_total; }
    UnitTypeEnum LayerTotalThicknessLengthUnit() const override { return m_unit; }

    bool ReadChild(const MaterialDataContext& context, const xercesc::DOMElement& child) override;

protected:
    const XMLCh* MemberName() const override { return u"IMaterialLayerData"; }

private:
    double m_total = 0.0;
    UnitTypeEnum m_unit = UnitTypeEnum::kUnitType_Unknown;
};

} // namespace Orvik
