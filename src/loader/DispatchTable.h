#pragma once

#include "orvik/api/IObject.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ElementRegistry;
class XMLProducerImpl;

// What becomes of an object whose reading failed.
enum class FailurePolicy {
    kKeep,                // added and consumed all the same
    kDestroyAndConsume,   // destroyed; the element counts as done
    kDestroyAndRetryLater // destroyed; the element stays for a later reference; dispatch fails
};

// What a kind that creates or takes its objects itself reports.
struct HandlerResult {
    bool consumed;
    bool result;
};

// One kind of top-level element: what is created, which reader runs, and what success and
// failure do. A row with neither a factory nor a handler names a kind not loaded yet: its
// elements are left alone, like unknown names.
struct DispatchRow {
    const XMLCh* elementName;
    std::unique_ptr<IObject> (*create)(XMLProducerImpl& context);
    bool (*read)(IObject& object, const xercesc::DOMElement& element, ElementRegistry& registry);
    FailurePolicy onFailure;
    // Runs once the object is held by the collector.
    void (*afterAdd)(IObject& object, ElementRegistry& registry);
    // For kinds read without an object made here (instances, breps, meshes, curves).
    HandlerResult (*handle)(const xercesc::DOMElement& element, ElementRegistry& registry);
    // An element of this kind without "ID" is skipped: consumed, nothing created.
    bool requiresId = false;
};

class DispatchTable {
public:
    // The row of an element name; null for names no row lists.
    static const DispatchRow* Find(const XMLCh* elementName);
};

} // namespace Orvik
