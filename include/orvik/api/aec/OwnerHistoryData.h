#pragma once

#include "orvik/api/Time.h"
#include "orvik/api/aec/ApplicationData.h"
#include "orvik/api/aec/OrganizationData.h"
#include "orvik/api/aec/PersonData.h"

#include <cstdint>

namespace Orvik {

enum class AECOwnerHistoryStateEnum : std::uint32_t {
    kLocked = 0,
    kReadOnly = 1,
    kReadOnlyLocked = 2,
    kReadWrite = 3,
    kReadWriteLocked = 4,
};

enum class AECChangeActionEnum : std::uint32_t {
    kAdded = 0,
    kDeleted = 1,
    kModified = 2,
    kNoChange = 3,
    kNotDefined = 4,
};

// Who owns an object, what made it, and when it was created and last changed. The parties are
// not owned; each may be null.
class OwnerHistoryData {
public:
    virtual ~OwnerHistoryData();

    const OrganizationData* OwningOrganization() const { return m_owningOrganization; }
    const ApplicationData* OwningApplication() const { return m_owningApplication; }
    const PersonData* OwningPerson() const { return m_owningPerson; }
    const OrganizationData* LastModifyingOrganization() const {
        return m_lastModifyingOrganization;
    }
    const ApplicationData* LastModifyingApplication() const { return m_lastModifyingApplication; }
    const PersonData* LastModifyingPerson() const { return m_lastModifyingPerson; }
    const Time& LastModifiedDate() const { return m_lastModifiedDate; }
    const Time& CreationDate() const { return m_creationDate; }

    // False when the document gave no known value.
    bool State(AECOwnerHistoryStateEnum& out) const;
    bool ChangeAction(AECChangeActionEnum& out) const;

protected:
    OwnerHistoryData(const OrganizationData* owningOrganization,
                     const ApplicationData* owningApplication, const Time& lastModifiedDate,
                     const OrganizationData* lastModifyingOrganization,
                     const ApplicationData* lastModifyingApplication, const Time& creationDate);

    const OrganizationData* m_owningOrganization;
    const ApplicationData* m_owningApplication;
    const PersonData* m_owningPerson = nullptr;
    const OrganizationData* m_lastModifyingOrganization;
    const ApplicationData* m_lastModifyingApplication;
    const PersonData* m_lastModifyingPerson = nullptr;
    Time m_lastModifiedDate;
    Time m_creationDate;
    AECOwnerHistoryStateEnum m_state = AECOwnerHistoryStateEnum::kReadWrite;
    bool m_hasState = false;
    AECChangeActionEnum m_changeAction = AECChangeActionEnum::kNotDefined;
    bool m_hasChangeAction = false;
};

} // namespace Orvik
