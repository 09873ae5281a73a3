#include "orvik/api/aec/OwnerHistoryData.h"

namespace Orvik {

OwnerHistoryData::OwnerHistoryData(const OrganizationData* owningOrganization,
                                   const ApplicationData* owningApplication,
                                   const Time& lastModifiedDate,
                                   const OrganizationData* lastModifyingOrganization,
                                   const ApplicationData* lastModifyingApplication,
                                   const Time& creationDate)
    : m_owningOrganization(owningOrganization)
    , m_owningApplication(owningApplication)
    , m_lastModifyingOrganization(lastModifyingOrganization)
    , m_lastModifyingApplication(lastModifyingApplication)
    , m_lastModifiedDate(lastModifiedDate)
    , m_creationDate(creationDate) {}

OwnerHistoryData::~OwnerHistoryData() = default;

bool OwnerHistoryData::State(AECOwnerHistoryStateEnum& out) const {
    if (m_hasState)
        out = m_state;
    return m_hasState;
}

bool OwnerHistoryData::ChangeAction(AECChangeActionEnum& out) const {
    if (m_hasChangeAction)
        out = m_changeAction;
    return m_hasChangeAction;
}

} // namespace Orvik
