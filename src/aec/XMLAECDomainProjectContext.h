#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/EditableAECProjectHistoryContext.h"
#include "orvik/api/aec/IAECProjectContext.h"

#include <memory>
#include <unordered_map>

namespace Orvik {

// The project context of building-design documents: parameter types and owner histories.
class XMLAECDomainProjectContext : public IAECProjectContext {
public:
    XMLAECDomainProjectContext();
    ~XMLAECDomainProjectContext() override;
    XMLAECDomainProjectContext(const XMLAECDomainProjectContext&) = delete;
    XMLAECDomainProjectContext& operator=(const XMLAECDomainProjectContext&) = delete;

    bool ParameterTypeIds(ParameterTypeIdSet& out) const override;
    const EditableAECProjectHistoryContext* HistoryContext() const override;

    void AddParameterTypeId(const UTF8String& id);
    EditableAECProjectHistoryContext& EditableHistoryContext() { return *m_historyContext; }

    bool HasOwnerHistory(const UTF8String& historyContextId) const;
    // Keeps the record and indexes it; false, keeping nothing, for a null record or a taken id.
    bool AddOwnerHistory(const UTF8String& historyContextId,
                         std::unique_ptr<EditableOwnerHistoryData> record);
    // Null for an id the document did not give.
    const OwnerHistoryData* FindOwnerHistory(const UTF8String& historyContextId) const;

private:
    std::unordered_map<UTF8String, const OwnerHistoryData*> m_ownerHistoriesById;
    ParameterTypeIdSet m_parameterTypeIds;
    std::unique_ptr<EditableAECProjectHistoryContext> m_historyContext;
};

} // namespace Orvik
