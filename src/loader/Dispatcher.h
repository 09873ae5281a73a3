#pragma once

#include "loader/ElementRegistry.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

class ReadContext;

// Turns registered top-level elements into objects, in id order or on demand by id.
class Dispatcher {
public:
    // How deep dispatches and sets may nest (a child reached by id while its parent is read).
    static constexpr unsigned kMaxNestingDepth = 256;

    // False at once, with nothing done, for an entry already consumed or still being read
    // (a reference cycle, cut there); true with nothing done when dispatches nest too deep
    // (the loading pass reads the entry later); otherwise as the element's row says.
    static bool Dispatch(ReadContext& context, ElementRegistry::Entry& entry);
    // True when no element has the id.
    static bool DispatchById(ReadContext& context, const UTF8String& id);
    // Every pending entry, in ascending id order.
    static void DispatchAll(ReadContext& context);
};

// One level of nesting (a dispatch, or a set read inside another); beyond the bound the reading
// is cut there.
class NestingGuard {
public:
    explicit NestingGuard(ElementRegistry& registry);
    ~NestingGuard();
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    bool TooDeep() const { return m_depth > Dispatcher::kMaxNestingDepth; }
    // The diagnostic of an element cut at the bound.
    static void ReportTooDeep(ReadContext& context, const xercesc::DOMElement& element);

private:
    unsigned& m_depth;
};

} // namespace Orvik
