#include "loader/ElementRegistry.h"

#include "xml_util/XMLUtils.h"

namespace Orvik {

void ElementRegistry::Register(const xercesc::DOMElement* element) {
    UTF8String id;
    XMLUtils::GetNodeAttribute(element, "ID", id);
    m_index[id] = Entry{element, State::kPending};
}

ElementRegistry::Entry* ElementRegistry::Find(const UTF8String& id) {
    const auto found = m_index.find(id);
    return found == m_index.end() ? nullptr : &found->second;
}

void ElementRegistry::Clear() {
    m_files.clear();
    m_rootFound = false;
    m_index.clear();
    m_context = nullptr;
    m_dispatchDepth = 0;
}

} // namespace Orvik
