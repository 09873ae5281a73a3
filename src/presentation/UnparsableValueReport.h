#pragma once

#include "aec/MaterialDataContext.h"
#include "aec/NumericAttribute.h"

namespace Orvik {

class ReadContext;

// Ties the number rule of the presentation readers to the load's diagnostics.
class UnparsableValueReport {
public:
    static NumericAttribute::ReportUnparsable For(ReadContext& context);
    // Material references get the new ids under an id prefix.
    static MaterialDataContext MaterialData(ReadContext& context);
};

} // namespace Orvik
