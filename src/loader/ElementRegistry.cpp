#include "loader/ElementRegistry.h"

#include "orvik/api/UTF16String.h"

namespace Orvik {

const xercesc::DOMElement* ElementRegistry::Register(const xercesc::DOMElement& element,
                                                     const KindRow& kind) {
    const UTF8String id(UTF16String(element.getAttribute(u"ID")));
    Entry& entry = m_index[id];
    const xercesc::DOMElement* replaced = entry.element;
    entry = Entry{&element, &kind, State::kPending};
    return replaced;
}

ElementRegistry::Entry* ElementRegistry::Find(const UTF8String& id) {
    const auto found = m_index.find(id);
    return found == m_index.end() ? nullptr : &found->second;
}

void ElementRegistry::Clear() {
    m_files.clear();
    m_markedRoot = nullptr;
    m_index.clear();
    m_nestingDepth = 0;
}

} // namespace Orvik
