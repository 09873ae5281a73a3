#pragma once

#include "orvik/api/aec/EditableApplicationData.h"
#include "orvik/api/aec/EditableOrganizationData.h"
#include "orvik/api/aec/EditableOwnerHistoryData.h"
#include "orvik/api/aec/EditablePersonData.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace Orvik {

// Owns the parties and owner-history records of a project. Records refer to each other through
// plain pointers, which stay valid as long as the context lives.
class EditableAECProjectHistoryContext {
public:
    EditableAECProjectHistoryContext() = default;
    EditableAECProjectHistoryContext(const EditableAECProjectHistoryContext&) = delete;
    EditableAECProjectHistoryContext& operator=(const EditableAECProjectHistoryContext&) = delete;

    // Each answers the record as kept, or null (adding nothing) for a null record.
    const OrganizationData* AddOrganization(std::unique_ptr<EditableOrganizationData> record);
    const ApplicationData* AddApplication(std::unique_ptr<EditableApplicationData> record);
    const PersonData* AddPerson(std::unique_ptr<EditablePersonData> record);
    const OwnerHistoryData* AddOwnerHistory(std::unique_ptr<EditableOwnerHistoryData> record);

    std::size_t OrganizationCount() const { return m_organizations.size(); }
    std::size_t ApplicationCount() const { return m_applications.size(); }
    std::size_t PersonCount() const { return m_persons.size(); }
    std::size_t OwnerHistoryCount() const { return m_ownerHistories.size(); }

    // Each throws std::out_of_range for an index not below its count.
    const OrganizationData& OrganizationAt(std::size_t index) const;
    const ApplicationData& ApplicationAt(std::size_t index) const;
    const PersonData& PersonAt(std::size_t index) const;
    const OwnerHistoryData& OwnerHistoryAt(std::size_t index) const;

private:
    std::vector<std::unique_ptr<EditableOrganizationData>> m_organizations;
    std::vector<std::unique_ptr<EditableApplicationData>> m_applications;
    std::vector<std::unique_ptr<EditablePersonData>> m_persons;
    std::vector<std::unique_ptr<EditableOwnerHistoryData>> m_ownerHistories;
};

} // namespace Orvik
