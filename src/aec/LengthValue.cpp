#include "aec/LengthValue.h"

#include "xml_util/XMLStrUtil.h"

namespace Orvik {

void LengthValue::Read(const xercesc::DOMElement& element, const MaterialDataContext& context,
                       double& value, UnitTypeEnum& unit) {
    ReadUnit(element, u"LengthUnit", unit);
    value = 0.0;
    NumericAttribute::ReadDouble(element, u"Value", value, context.reportUnparsable);
}

void LengthValue::ReadUnit(const xercesc::DOMElement& element, const XMLCh* name,
                           UnitTypeEnum& unit) {
    if (element.getAttributeNode(name) == nullptr)
        return;
    XMLStrUtil::StringToUnitType(UTF8String(UTF16String(element.getAttribute(name))), unit);
}

} // namespace Orvik
