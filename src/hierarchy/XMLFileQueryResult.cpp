#include "hierarchy/XMLFileQueryResult.h"

#include "orvik/api/LocaleHelper.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMNode;
using xercesc::XMLString;

bool IsNamed(const DOMNode* node, const XMLCh* name) {
    return XMLString::equals(node->getNodeName(), name);
}

const XMLCh* AttributeText(const DOMNode* node, const XMLCh* name) {
    const xercesc::DOMNamedNodeMap* attributes = node->getAttributes();
    if (attributes == nullptr)
        return nullptr;
    const DOMNode* attribute = attributes->getNamedItem(name);
    return attribute ? attribute->getNodeValue() : nullptr;
}

// The first file marked root, else the last file.
const DOMNode* FindCandidateFile(const DOMNode* documentElement) {
    const DOMNode* candidate = nullptr;
    for (const DOMNode* child = documentElement->getFirstChild(); child;
         child = child->getNextSibling()) {
        if (!IsNamed(child, u"IFile"))
            continue;
        candidate = child;
        const XMLCh* isRoot = AttributeText(child, u"IsRoot");
        if (isRoot && XMLString::equals(isRoot, u"1"))
            break;
    }
    return candidate;
}

const DOMNode* FirstChildNamed(const DOMNode* parent, const XMLCh* name) {
    for (const DOMNode* child = parent->getFirstChild(); child; child = child->getNextSibling())
        if (IsNamed(child, name))
            return child;
    return nullptr;
}

bool ChildSetHoldsAssembly(const DOMNode* childSet) {
    unsigned count = 0;
    bool partSeen = false;
    for (const DOMNode* child = childSet->getFirstChild(); child; child = child->getNextSibling()) {
        if (child->getAttributes() == nullptr)
            continue;
        ++count;
        // A child without "Type" matches no kind.
        const XMLCh* type = AttributeText(child, u"Type");
        if (type == nullptr)
            continue;
        if (XMLString::equals(type, u"IAssembly") || XMLString::equals(type, u"IInstance"))
            return true;
        if (XMLString::equals(type, u"IPart"))
            partSeen = true;
        if (count >= 2 && partSeen)
            return true;
    }
    return false;
}

} // namespace

IsValueSpecifiedEnum XMLFileQueryResult::IsFileValid(bool& valid) const {
    valid = m_isFileValid;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLFileQueryResult::IsAssembly(bool& assembly) const {
    assembly = m_isAssembly;
    return IsValueSpecifiedEnum::kSpecified;
}

void XMLFileQueryResult::Fill(const xercesc::XercesDOMParser* parser) {
    if (parser == nullptr)
        return;
    const xercesc::DOMDocument* document =
        const_cast<xercesc::XercesDOMParser*>(parser)->getDocument();
    m_isAssembly = document != nullptr && ScanForAssembly(*document);
    m_isFileValid = true;
}

bool XMLFileQueryResult::ScanForAssembly(const xercesc::DOMDocument& document) {
    LocaleHelper classicLocale{UTF8String()};
    const DOMNode* root = document.getDocumentElement();
    if (root == nullptr)
        return false;
    const DOMNode* file = FindCandidateFile(root);
    if (file == nullptr)
        return false;
    const DOMNode* childSet = FirstChildNamed(file, u"ChildSet");
    return childSet != nullptr && ChildSetHoldsAssembly(childSet);
}

} // namespace Orvik
