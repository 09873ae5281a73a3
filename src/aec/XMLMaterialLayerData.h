#pragma once

#include "aec/XMLMaterialItemData.h"
#include "orvik/api/aec/IMaterialLayerData.h"
#include "xml_util/OptionalAnswer.h"

namespace Orvik {

// One layer of a wall or slab ("IMaterialLayerData").
class XMLMaterialLayerData : public XMLMaterialItemData<IMaterialLayerData> {
public:
    double LayerThickness() const override { return m_thickness; }
    IsValueSpecifiedEnum OffsetDir(UnitVector& out) const override {
        return AnswerOptional(m_offsetDir, out);
    }
    IsValueSpecifiedEnum StartOffset(double& out) const override {
        return AnswerOptional(m_startOffset, out);
    }
    IsValueSpecifiedEnum EndOffset(double& out) const override {
        return AnswerOptional(m_endOffset, out);
    }
    UnitTypeEnum LayerThicknessLengthUnit() const override { return m_thicknessUnit; }
    IsValueSpecifiedEnum IsVentilated(bool& out) const override {
        return AnswerOptional(m_ventilated, out);
    }
    IsValueSpecifiedEnum Priority(std::uint64_t& out) const override {
        return AnswerOptional(m_priority, out);
    }

    void ReadAttributes(const xercesc::DOMElement& element,
                        const MaterialDataContext& context) override;
    bool ReadChild(const MaterialDataContext& context, const xercesc::DOMElement& child) override;

private:
    double m_thickness = 0.0;
    UnitTypeEnum m_thicknessUnit = UnitTypeEnum::kUnitType_Unknown;
    std::optional<UnitVector> m_offsetDir;
    std::optional<double> m_startOffset;
    std::optional<double> m_endOffset;
    std::optional<bool> m_ventilated;
    std::optional<std::uint64_t> m_priority;
};

} // namespace Orvik
