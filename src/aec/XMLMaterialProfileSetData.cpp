#include "aec/XMLMaterialProfileSetData.h"

#include "aec/LengthValue.h"

namespace Orvik {

void XMLMaterialProfileSetData::ReadAttributes(const xercesc::DOMElement& element,
                                               const MaterialDataContext& context) {
    XMLMaterialSetData::ReadAttributes(element, context);
    LengthValue::ReadUnit(element, u"ProfileLengthUnit", m_unit);
}

} // namespace Orvik
