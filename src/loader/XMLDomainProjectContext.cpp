#include "loader/XMLDomainProjectContext.h"

namespace Orvik {

bool XMLDomainProjectContext::ParameterTypeIds(ParameterTypeIdSet& out) const {
    if (m_parameterTypeIds.IsEmpty())
        return false;
    out = m_parameterTypeIds;
    return true;
}

void XMLDomainProjectContext::AddParameterTypeId(const UTF8String& id) {
    m_parameterTypeIds.AddWithUniquenessCheck(id);
}

} // namespace Orvik
