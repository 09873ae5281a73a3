#pragma once

#include "orvik/api/aec/RoleData.h"

#include <memory>

namespace Orvik {

class EditableRoleData : public RoleData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    EditableRoleData(CreateKey, AECRoleEnum role);
    static std::unique_ptr<EditableRoleData> Create(AECRoleEnum role);

    void SetDescription(const UTF8String& description);
    void SetUserDefinedRole(const UTF8String& role);
};

} // namespace Orvik
