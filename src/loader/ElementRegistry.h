#pragma once

#include "orvik/api/UTF8String.h"

#include <map>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLFile;
class XMLProducerImpl;

// The top-level entity elements still to be turned into objects, by id, and the files
// created so far.
class ElementRegistry {
public:
    enum class State { kPending, kReading, kConsumed };
    struct Entry {
        const xercesc::DOMElement* element = nullptr;
        State state = State::kPending;
    };
    using Index = std::map<UTF8String, Entry>;

    // Indexes the element under its "ID" (empty when absent); the last element of an id wins.
    void Register(const xercesc::DOMElement* element);
    // Null when the id has no entry.
    Entry* Find(const UTF8String& id);
    Index& Elements() { return m_index; }

    void AddFile(XMLFile* file) { m_files.push_back(file); }
    const std::vector<XMLFile*>& Files() const { return m_files; }
    bool RootFound() const { return m_rootFound; }
    void SetRootFound() { m_rootFound = true; }

    void SetContext(XMLProducerImpl* context) { m_context = context; }
    XMLProducerImpl* Context() const { return m_context; }

    // Nested dispatches (a child reached by id while its parent is read) are bounded so a
    // deep or hostile document cannot exhaust the stack.
    unsigned& DispatchDepth() { return m_dispatchDepth; }

    void Clear();

private:
    std::vector<XMLFile*> m_files;
    bool m_rootFound = false;
    Index m_index;
    XMLProducerImpl* m_context = nullptr;
    unsigned m_dispatchDepth = 0;
};

} // namespace Orvik
