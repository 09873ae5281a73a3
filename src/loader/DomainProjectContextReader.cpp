#include "loader/DomainProjectContextReader.h"

#include "aec/OwnerHistoryReader.h"
#include "aec/XMLAECDomainProjectContext.h"
#include "loader/XMLDomainProjectContext.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {

namespace {

using xercesc::DOMNode;

constexpr XMLChName kUnits{"Units"};
constexpr XMLChName kParameterTypeId{"ParameterTypeId"};
constexpr XMLChName kId{"ID"};
constexpr XMLChName kHistoryContext{"AECProjectHistoryContext"};

bool IsElementNamed(const DOMNode* node, const XMLCh* name) {
    return node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

} // namespace

bool DomainProjectContextReader::ReadDomainProjectContext(const DOMElement* element,
                                                          XMLDomainProjectContext* context) {
    if (element == nullptr || context == nullptr)
        return false;
    for (const DOMNode* child = element->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (!IsElementNamed(child, kUnits))
            continue;
        for (const UTF8String& id : ReadParameterTypeIds(child))
            context->AddParameterTypeId(id);
    }
    return true;
}

bool DomainProjectContextReader::ReadAECProjectContext(const DOMElement* element,
                                                       XMLAECDomainProjectContext* context) {
    if (element == nullptr || context == nullptr)
        return false;
    for (const DOMNode* child = element->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (IsElementNamed(child, kHistoryContext)) {
            OwnerHistoryReader::Read(*context, static_cast<const DOMElement*>(child));
        } else if (IsElementNamed(child, kUnits)) {
            for (const UTF8String& id : ReadParameterTypeIds(child))
                context->AddParameterTypeId(id);
        }
    }
    return true;
}

std::vector<UTF8String> DomainProjectContextReader::ReadParameterTypeIds(const DOMNode* units) {
    std::vector<UTF8String> ids;
    for (const DOMNode* child = units->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        UTF8String id;
        if (IsElementNamed(child, kParameterTypeId) &&
            XMLUtils::GetNodeAttribute(child, kId.CStr(), id))
            ids.push_back(std::move(id));
    }
    return ids;
}

} // namespace Orvik
