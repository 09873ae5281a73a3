#include "orvik/api/aec/EditableAECProjectHistoryContext.h"

namespace Orvik {

namespace {

template <typename Record>
const Record* Keep(std::vector<std::unique_ptr<Record>>& records, std::unique_ptr<Record> record) {
    if (!record)
        return nullptr;
    records.push_back(std::move(record));
    return records.back().get();
}

} // namespace

const OrganizationData* EditableAECProjectHistoryContext::AddOrganization(
    std::unique_ptr<EditableOrganizationData> record) {
    return Keep(m_organizations, std::move(record));
}

const ApplicationData*
EditableAECProjectHistoryContext::AddApplication(std::unique_ptr<EditableApplicationData> record) {
    return Keep(m_applications, std::move(record));
}

const PersonData*
EditableAECProjectHistoryContext::AddPerson(std::unique_ptr<EditablePersonData> record) {
    return Keep(m_persons, std::move(record));
}

const OwnerHistoryData* EditableAECProjectHistoryContext::AddOwnerHistory(
    std::unique_ptr<EditableOwnerHistoryData> record) {
    return Keep(m_ownerHistories, std::move(record));
}

const OrganizationData& EditableAECProjectHistoryContext::OrganizationAt(std::size_t index) const {
    return *m_organizations.at(index);
}

const ApplicationData& EditableAECProjectHistoryContext::ApplicationAt(std::size_t index) const {
    return *m_applications.at(index);
}

const PersonData& EditableAECProjectHistoryContext::PersonAt(std::size_t index) const {
    return *m_persons.at(index);
}

const OwnerHistoryData& EditableAECProjectHistoryContext::OwnerHistoryAt(std::size_t index) const {
    return *m_ownerHistories.at(index);
}

} // namespace Orvik
