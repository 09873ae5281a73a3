#pragma once

#include "aec/NumericAttribute.h"
#include "orvik/api/UTF8String.h"

#include <functional>

namespace Orvik {

// What the material data readers need of the load: the id a material reference names (the
// new id under an id prefix), and where values that did not parse are reported.
struct MaterialDataContext {
    std::function<UTF8String(const UTF8String&)> mapId;
    NumericAttribute::ReportUnparsable reportUnparsable;

    UTF8String MapId(const UTF8String& id) const { return mapId ? mapId(id) : id; }
};

} // namespace Orvik
