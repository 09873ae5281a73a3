#pragma once

#include "orvik/api/IUniverse.h"
#include "orvik/api/RootId.h"
#include "orvik/api/UTF16String.h"

#include <memory>
#include <xercesc/dom/DOMDocument.hpp>

namespace Orvik {

class ReadContext;

// What a load yields besides the objects, which the collector holds.
struct LoadedDocument {
    std::unique_ptr<IUniverse> universe;
    // Null when no file qualifies as root.
    std::unique_ptr<RootId> rootId;
    UTF16String propertyFileName;
};

// Turns the parsed document into loaded state: side files into the side tables, the universe,
// every top-level entity into an object (in ascending id order), and the root settled.
class DocumentLoader {
public:
    static LoadedDocument LoadDocument(const xercesc::DOMDocument* document, ReadContext& context,
                                       bool wantSubdivMeshes);
};

} // namespace Orvik
