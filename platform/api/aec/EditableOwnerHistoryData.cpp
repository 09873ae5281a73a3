#include "orvik/api/aec/EditableOwnerHistoryData.h"

namespace Orvik {

EditableOwnerHistoryData::EditableOwnerHistoryData(
    CreateKey, const OrganizationData* owningOrganization, const ApplicationData* owningApplication,
    const Time& lastModifiedDate, const OrganizationData* lastModifyingOrganization,
    const ApplicationData* lastModifyingApplication, const Time& creationDate)
    : OwnerHistoryData(owningOrganization, owningApplication, lastModifiedDate,
                       lastModifyingOrganization, lastModifyingApplication, creationDate) {}

std::unique_ptr<EditableOwnerHistoryData> EditableOwnerHistoryData::Create(
    const OrganizationData* owningOrganization, const ApplicationData* owningApplication,
    const Time& lastModifiedDate, const OrganizationData* lastModifyingOrganization,
    const ApplicationData* lastModifyingApplication, const Time& creationDate) {
    return std::make_unique<EditableOwnerHistoryData>(
        CreateKey{}, owningOrganization, owningApplication, lastModifiedDate,
        lastModifyingOrganization, lastModifyingApplication, creationDate);
}

void EditableOwnerHistoryData::SetOwningPerson(const PersonData* person) {
    m_owningPerson = person;
}

void EditableOwnerHistoryData::SetLastModifyingPerson(const PersonData* person) {
    m_lastModifyingPerson = person;
}

void EditableOwnerHistoryData::SetState(AECOwnerHistoryStateEnum state) {
    m_state = state;
    m_hasState = true;
}

void EditableOwnerHistoryData::SetChangeAction(AECChangeActionEnum action) {
    m_changeAction = action;
    m_hasChangeAction = true;
}

} // namespace Orvik
