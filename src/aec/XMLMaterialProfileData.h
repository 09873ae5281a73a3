#pragma once

#include "aec/XMLMaterialItemData.h"
#include "orvik/api/aec/IMaterialProfileData.h"
#include "xml_util/OptionalAnswer.h"

namespace Orvik {

// One profile of a material ("IMaterialProfileData").
class XMLMaterialProfileData : public XMLMaterialItemData<IMaterialProfileData> {
public:
    const IObject* ProfileDefinition() const override { return nullptr; }
    UnitTypeEnum ProfileLengthUnit() const override { return m_unit; }
    IsValueSpecifiedEnum Priority(std::uint64_t& out) const override {
        return AnswerOptional(m_priority, out);
    }
    IsValueSpecifiedEnum StartOffset(double& out) const override {
        return AnswerOptional(m_startOffset, out);
    }
    IsValueSpecifiedEnum EndOffset(double& out) const override {
        return AnswerOptional(m_endOffset, out);
    }

    void ReadAttributes(const xercesc::DOMElement& element,
                        const MaterialDataContext& context) override;

private:
    UnitTypeEnum m_unit = UnitTypeEnum::kUnitType_Unknown;
    std::optional<std::uint64_t> m_priority;
    std::optional<double> m_startOffset;
    std::optional<double> m_endOffset;
};

} // namespace Orvik
