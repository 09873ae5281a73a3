#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/OwnerHistoryData.h"

#include <utility>

namespace Orvik {

// What AEC object data and type object data share: the domain type and source, an optional
// subtype and the owner-history record, which the project context owns.
template <typename Interface>
class XMLAECDomainData : public Interface {
public:
    XMLAECDomainData(UTF8String ownerObjectId, UTF8String typeId, UTF8String sourceType)
        : Interface(std::move(ownerObjectId))
        , m_typeId(std::move(typeId))
        , m_sourceType(std::move(sourceType)) {}

    UTF8String DomainDataTypeId() const override { return m_typeId; }
    UTF8String DomainDataSourceType() const override { return m_sourceType; }
    const OwnerHistoryData* OwnerHistory() const override { return m_ownerHistory; }
    IsValueSpecifiedEnum DomainDataSubTypeId(UTF8String& out) const override {
        if (!m_hasSubTypeId)
            return IsValueSpecifiedEnum::kUnspecified;
        out = m_subTypeId;
        return IsValueSpecifiedEnum::kSpecified;
    }

    void SetDomainDataSubTypeId(const UTF8String& id) {
        m_subTypeId = id;
        m_hasSubTypeId = true;
    }
    void SetOwnerHistory(const OwnerHistoryData* history) { m_ownerHistory = history; }

private:
    UTF8String m_typeId;
    UTF8String m_sourceType;
    UTF8String m_subTypeId;
    bool m_hasSubTypeId = false;
    const OwnerHistoryData* m_ownerHistory = nullptr;
};

} // namespace Orvik
