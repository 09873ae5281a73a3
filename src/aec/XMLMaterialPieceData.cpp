#include "aec/XMLMaterialPieceData.h"

namespace Orvik {

IsValueSpecifiedEnum XMLMaterialPieceData::Material(UTF8String& materialId) const {
    materialId = m_material.value_or(UTF8String());
    return IsValueSpecifiedEnum::kSpecified;
}

void XMLMaterialPieceData::ReadAttributes(const xercesc::DOMElement& element,
                                          const MaterialDataContext& context) {
    XMLMaterialItemData::ReadAttributes(element, context);
    ReadNumber(element, u"Fraction", m_fraction, context);
}

} // namespace Orvik
