#pragma once

#include "orvik/api/aec/OwnerHistoryData.h"

#include <memory>

namespace Orvik {

class EditableOwnerHistoryData : public OwnerHistoryData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    EditableOwnerHistoryData(CreateKey, const OrganizationData* owningOrganization,
                             const ApplicationData* owningApplication, const Time& lastModifiedDate,
                             const OrganizationData* lastModifyingOrganization,
                             const ApplicationData* lastModifyingApplication,
                             const Time& creationDate);
    static std::unique_ptr<EditableOwnerHistoryData>
    Create(const OrganizationData* owningOrganization, const ApplicationData* owningApplication,
           const Time& lastModifiedDate, const OrganizationData* lastModifyingOrganization,
           const ApplicationData* lastModifyingApplication, const Time& creationDate);

    void SetOwningPerson(const PersonData* person);
    void SetLastModifyingPerson(const PersonData* person);
    void SetState(AECOwnerHistoryStateEnum state);
    void SetChangeAction(AECChangeActionEnum action);
};

} // namespace Orvik
