#pragma once

#include "orvik/api/UTF8String.h"

#include <map>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

struct KindRow;
class XMLFile;

// The top-level entity elements still to be turned into objects, by id, and the files
// created so far.
class ElementRegistry {
public:
    enum class State { kPending, kReading, kConsumed };
    struct Entry {
        const xercesc::DOMElement* element = nullptr;
        // Looked up once, when the element is registered.
        const KindRow* kind = nullptr;
        State state = State::kPending;
    };
    using Index = std::map<UTF8String, Entry>;

    // Indexes the element under its "ID" (empty when absent); the last element of an id wins.
    // Answers the element it replaced, if any.
    const xercesc::DOMElement* Register(const xercesc::DOMElement& element, const KindRow& kind);
    // Null when the id has no entry.
    Entry* Find(const UTF8String& id);
    Index& Elements() { return m_index; }

    void AddFile(XMLFile* file) { m_files.push_back(file); }
    const std::vector<XMLFile*>& Files() const { return m_files; }
    // The last file read that was marked root; null when none was.
    XMLFile* MarkedRoot() const { return m_markedRoot; }
    void SetMarkedRoot(XMLFile* file) { m_markedRoot = file; }

    // Nested dispatches (a child reached by id while its parent is read) and nested sets are
    // bounded so a deep or hostile document cannot exhaust the stack.
    unsigned& NestingDepth() { return m_nestingDepth; }

    void Clear();
    // Drops the entries, which point into the document, and keeps the files that were read.
    void ForgetElements() { m_index.clear(); }

private:
    std::vector<XMLFile*> m_files;
    XMLFile* m_markedRoot = nullptr;
    Index m_index;
    unsigned m_nestingDepth = 0;
};

} // namespace Orvik
