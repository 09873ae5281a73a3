#pragma once

#include "orvik/xml/XMLDocumentLimits.h"

#include <string>

namespace Orvik {

// A linear pass over the document's markup before the XML parser sees it, in the document's
// own encoding. It refuses what the format never uses and what would cost the parser far more
// than the document's size: declared entities or an internal subset, and elements, attributes,
// namespace declarations or values beyond the limits. With no entity declared, nothing can hide
// structure from this pass. Malformed markup is left for the parser to report.
class MarkupPrescan {
public:
    explicit MarkupPrescan(const XMLDocumentLimits& limits)
        : m_limits(limits) {}

    // Empty when the document may be parsed, otherwise why not. The XML parser platform must be
    // initialised (documents in other encodings than UTF-8 are read through its transcoders).
    std::string Check(const std::string& bytes) const;

private:
    const XMLDocumentLimits& m_limits;
};

} // namespace Orvik
