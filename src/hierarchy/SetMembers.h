#pragma once

#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"

#include <string>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// The members of an attribute set that carry the element name of its kind.
class SetMembers {
public:
    // Hands each child element named `name` to `read`, in document order; other children are
    // passed over with a note naming `kind`. False only for a null set.
    template <typename Read>
    static bool ForEachNamed(ReadContext& context, const xercesc::DOMElement* set,
                             const XMLCh* name, const char* kind, Read read) {
        if (set == nullptr)
            return false;
        ElementWalk::ForEachChildElement(*set, [&](const xercesc::DOMElement& element) {
            if (ElementWalk::IsNamed(element, name))
                read(element);
            else
                context.Report(DiagnosticCode::kUnknownChild, DiagnosticSeverity::kInfo, &element,
                               UTF8String("not " + std::string(kind) + "; passed over"));
        });
        return true;
    }
};

} // namespace Orvik
