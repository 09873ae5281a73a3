#pragma once

#include "orvik/api/aec/OrganizationData.h"

#include <memory>

namespace Orvik {

class EditableOrganizationData : public OrganizationData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    EditableOrganizationData(CreateKey, UTF8String name, UTF8String description,
                             UTF8String identification);
    static std::unique_ptr<EditableOrganizationData>
    Create(const UTF8String& name, const UTF8String& description, const UTF8String& identification);

    // Null records are ignored.
    void AddAddress(std::unique_ptr<AddressData> address);
    void AddRole(std::unique_ptr<RoleData> role);
};

} // namespace Orvik
