#pragma once

#include "orvik/api/UTF16String.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// A path the load hands to the host as written and never reads (MaterialX file references,
// light textures). Hosts may rely on it, so it is kept; one that leaves the document's folder
// and the extraction folder is reported, so that the host can tell.
class HandedOverPath {
public:
    static void ReportIfOutside(ReadContext& context, const xercesc::DOMElement& element,
                                const UTF16String& path, const char* what);
};

} // namespace Orvik
