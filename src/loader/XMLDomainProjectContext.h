#pragma once

#include "orvik/api/IDomainProjectContext.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

// The project context of documents without a domain of their own.
class XMLDomainProjectContext : public IDomainProjectContext {
public:
    bool ParameterTypeIds(ParameterTypeIdSet& out) const override;

    void AddParameterTypeId(const UTF8String& id);

private:
    ParameterTypeIdSet m_parameterTypeIds;
};

} // namespace Orvik
