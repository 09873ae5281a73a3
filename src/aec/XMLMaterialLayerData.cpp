#include "aec/XMLMaterialLayerData.h"

#include "aec/LengthValue.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {

using xercesc::DOMElement;

void XMLMaterialLayerData::ReadAttributes(const DOMElement& element,
                                          const MaterialDataContext& context) {
    XMLMaterialItemData::ReadAttributes(element, context);
    ReadNumber(element, u"StartOffset", m_startOffset, context);
    ReadNumber(element, u"EndOffset", m_endOffset, context);
    ReadNumber(element, u"Priority", m_priority, context);
    // The attribute is written with a lower-case first letter.
    if (element.getAttributeNode(u"isVentilated") != nullptr) {
        int flag = 0;
        if (!XMLStrUtil::XMLBooleanStrToInt(element.getAttribute(u"isVentilated"), flag) &&
            context.reportUnparsable)
            context.reportUnparsable(element, u"isVentilated");
        m_ventilated = flag != 0;
    }
}

bool XMLMaterialLayerData::ReadChild(const MaterialDataContext& context, const DOMElement& child) {
    if (XMLMaterialItemData::ReadChild(context, child))
        return true;
    if (xercesc::XMLString::equals(child.getNodeName(), u"LayerThickness")) {
        LengthValue::Read(child, context, m_thickness, m_thicknessUnit);
        return true;
    }
    if (xercesc::XMLString::equals(child.getNodeName(), u"OffsetDir")) {
        UnitVector direction;
        if (XMLStrUtil::ToUnitVector(UTF8String(UTF16String(child.getTextContent())), direction))
            m_offsetDir = direction;
        return true;
    }
    return false;
}

} // namespace Orvik
