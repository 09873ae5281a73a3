#pragma once

#include "orvik/api/IDomainData.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/OwnerHistoryData.h"

#include <utility>

namespace Orvik {

// Building-design data of an object: its domain type and source, the object that owns it, and
// who created and changed it.
class IAECDomainData : public IDomainData {
public:
    explicit IAECDomainData(UTF8String ownerObjectId)
        : m_ownerObjectId(std::move(ownerObjectId)) {}

    const UTF8String& OwnerObjectId() const { return m_ownerObjectId; }

    virtual UTF8String DomainDataTypeId() const = 0;
    virtual UTF8String DomainDataSourceType() const = 0;
    // A record of the project context's owner histories; null when none was named.
    virtual const OwnerHistoryData* OwnerHistory() const = 0;
    virtual IsValueSpecifiedEnum DomainDataSubTypeId(UTF8String& out) const = 0;

private:
    UTF8String m_ownerObjectId;
};

} // namespace Orvik
