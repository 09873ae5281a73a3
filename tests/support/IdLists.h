#pragma once

#include "orvik/api/IdSet.h"

#include <string>
#include <vector>

namespace Orvik::TestSupport {

// Plain strings compare and print readably in expectations, where IdSet does not.
inline std::vector<std::string> Ids(const IdSet& ids) {
    std::vector<std::string> values;
    for (const UTF8String& id : ids)
        values.push_back(id.Value());
    return values;
}

} // namespace Orvik::TestSupport
