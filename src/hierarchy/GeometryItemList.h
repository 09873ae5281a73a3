#pragma once

#include "orvik/api/UTF8String.h"

#include <vector>

namespace Orvik {

class ReadContext;

// The "Items" text of groups and layers: ids separated by ",".
class GeometryItemList {
public:
    // The text is trimmed at both ends and split at each ","; the pieces keep their blanks and
    // empty ones are dropped. Under an id prefix each id is mapped as the objects' own ids are.
    static std::vector<UTF8String> Ids(ReadContext& context, const UTF8String& text);
};

} // namespace Orvik
