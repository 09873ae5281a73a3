#include "aec/XMLAECDomainProjectContext.h"

namespace Orvik {

XMLAECDomainProjectContext::XMLAECDomainProjectContext()
    : m_historyContext(std::make_unique<EditableAECProjectHistoryContext>()) {}

XMLAECDomainProjectContext::~XMLAECDomainProjectContext() = default;

bool XMLAECDomainProjectContext::ParameterTypeIds(ParameterTypeIdSet& out) const {
    if (m_parameterTypeIds.IsEmpty())
        return false;
    out = m_parameterTypeIds;
    return true;
}

const EditableAECProjectHistoryContext* XMLAECDomainProjectContext::HistoryContext() const {
    return m_historyContext.get();
}

void XMLAECDomainProjectContext::AddParameterTypeId(const UTF8String& id) {
    m_parameterTypeIds.AddWithUniquenessCheck(id);
}

bool XMLAECDomainProjectContext::HasOwnerHistory(const UTF8String& historyContextId) const {
    return m_ownerHistoriesById.count(historyContextId) != 0;
}

bool XMLAECDomainProjectContext::AddOwnerHistory(const UTF8String& historyContextId,
                                                 std::unique_ptr<EditableOwnerHistoryData> record) {
    if (!record || HasOwnerHistory(historyContextId))
        return false;
    const OwnerHistoryData* kept = m_historyContext->AddOwnerHistory(std::move(record));
    m_ownerHistoriesById.emplace(historyContextId, kept);
    return true;
}

const OwnerHistoryData*
XMLAECDomainProjectContext::FindOwnerHistory(const UTF8String& historyContextId) const {
    const auto found = m_ownerHistoriesById.find(historyContextId);
    return found == m_ownerHistoriesById.end() ? nullptr : found->second;
}

} // namespace Orvik
