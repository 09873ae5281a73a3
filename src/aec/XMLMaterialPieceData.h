#pragma once

#include "aec/XMLMaterialItemData.h"
#include "orvik/api/aec/IMaterialPieceData.h"
#include "xml_util/OptionalAnswer.h"

namespace Orvik {

// One piece of a material ("IMaterialPieceData").
class XMLMaterialPieceData : public XMLMaterialItemData<IMaterialPieceData> {
public:
    // A piece answers its material always, empty when it names none.
    IsValueSpecifiedEnum Material(UTF8String& materialId) const override;
    IsValueSpecifiedEnum Fraction(double& out) const override {
        return AnswerOptional(m_fraction, out);
    }

    void ReadAttributes(const xercesc::DOMElement& element,
                        const MaterialDataContext& context) override;

private:
    std::optional<double> m_fraction;
};

} // namespace Orvik
