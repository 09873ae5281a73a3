#include "aec/AECNodeUtil.h"

#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {

bool AECNodeUtil::IsElementNamed(const DOMNode* node, const XMLCh* name) {
    return node != nullptr && node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

UTF8String AECNodeUtil::AttributeOrEmpty(const DOMNode* node, const XMLCh* name) {
    UTF8String value;
    ReadAttribute(node, name, value);
    return value;
}

std::vector<UTF8String> AECNodeUtil::ItemTexts(const DOMNode* set, const XMLCh* itemName) {
    std::vector<UTF8String> texts;
    for (const DOMNode* child = set->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (IsElementNamed(child, itemName))
            texts.push_back(XMLStrUtil::XMLStrToAStr(child->getTextContent()));
    }
    return texts;
}

bool AECNodeUtil::ReadAttribute(const DOMNode* node, const XMLCh* name, UTF8String& value) {
    return XMLUtils::GetNodeAttribute(node, name, value);
}

} // namespace Orvik
