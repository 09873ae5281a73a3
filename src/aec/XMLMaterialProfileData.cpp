#include "aec/XMLMaterialProfileData.h"

#include "aec/LengthValue.h"

namespace Orvik {

void XMLMaterialProfileData::ReadAttributes(const xercesc::DOMElement& element,
                                            const MaterialDataContext& context) {
    XMLMaterialItemData::ReadAttributes(element, context);
    LengthValue::ReadUnit(element, u"ProfileLengthUnit", m_unit);
    ReadNumber(element, u"Priority", m_priority, context);
    ReadNumber(element, u"StartOffset", m_startOffset, context);
    ReadNumber(element, u"EndOffset", m_endOffset, context);
}

} // namespace Orvik
