#pragma once

#include "orvik/xml/XMLLoadDiagnostic.h"

#include <cstddef>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// What one load skipped, refused or mended. Recording builds the element's path only for an
// entry, so a load that meets nothing wrong pays nothing; past a cap, entries are counted and
// summed up in one last entry instead of kept.
class LoadDiagnostics {
public:
    static constexpr std::size_t kMaxEntries = 1000;

    void Record(DiagnosticCode code, DiagnosticSeverity severity,
                const xercesc::DOMElement* element, const UTF8String& message);
    // For what no element stands for (a refused zip entry, say).
    void Record(DiagnosticCode code, DiagnosticSeverity severity, const UTF8String& message);

    const std::vector<XMLLoadDiagnostic>& Entries() const { return m_entries; }
    void Clear();

    // Document/IAssembly[@ID='a1']/ChildSet/IInstance[3]: an element with "ID" is named by it,
    // one with same-named siblings by its position among them.
    static UTF8String PathOf(const xercesc::DOMElement& element);

private:
    bool Full();

    std::vector<XMLLoadDiagnostic> m_entries;
    std::size_t m_dropped = 0;
};

} // namespace Orvik
