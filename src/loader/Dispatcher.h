#pragma once

#include "loader/ElementRegistry.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

// Turns registered top-level elements into objects, in id order or on demand by id.
class Dispatcher {
public:
    // How deep dispatches may nest (a child reached by id while its parent is read).
    static constexpr unsigned kMaxDispatchDepth = 256;

    // False at once, with nothing done, for an entry already consumed or still being read
    // (a reference cycle, cut there); true with nothing done when dispatches nest too deep
    // (the loading pass reads the entry later); otherwise as the element's row says.
    static bool Dispatch(ElementRegistry& registry, ElementRegistry::Entry& entry);
    // True when no element has the id.
    static bool DispatchById(ElementRegistry& registry, const UTF8String& id);
    // Every pending entry, in ascending id order.
    static void DispatchAll(ElementRegistry& registry);
};

} // namespace Orvik
