#include "aec/XMLMaterialLayerSetData.h"

#include "aec/LengthValue.h"

namespace Orvik {

bool XMLMaterialLayerSetData::ReadChild(const MaterialDataContext& context,
                                        const xercesc::DOMElement& child) {
    if (XMLMaterialSetData::ReadChild(context, child))
        return true;
    if (!xercesc::XMLString::equals(child.getNodeName(), u"TotalThickness"))
        return false;
    LengthValue::Read(child, context, m_total, m_unit);
    return true;
}

} // namespace Orvik
