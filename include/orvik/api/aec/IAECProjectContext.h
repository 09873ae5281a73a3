#pragma once

#include "orvik/api/IDomainProjectContext.h"
#include "orvik/api/aec/EditableAECProjectHistoryContext.h"

namespace Orvik {

// The domain project context of building-design documents.
class IAECProjectContext : public IDomainProjectContext {
public:
    // The parties and owner histories of the project; never null.
    virtual const EditableAECProjectHistoryContext* HistoryContext() const = 0;
};

} // namespace Orvik
