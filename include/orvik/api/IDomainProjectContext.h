#pragma once

#include "orvik/api/IdSet.h"

namespace Orvik {

using ParameterTypeIdSet = IdSet;

// Project-wide domain settings: the parameter types of the project's units.
class IDomainProjectContext {
public:
    virtual ~IDomainProjectContext() = default;
    virtual bool ParameterTypeIds(ParameterTypeIdSet& out) const = 0;
};

} // namespace Orvik
