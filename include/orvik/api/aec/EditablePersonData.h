#pragma once

#include "orvik/api/aec/PersonData.h"

#include <memory>

namespace Orvik {

class EditablePersonData : public PersonData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    explicit EditablePersonData(CreateKey);
    static std::unique_ptr<EditablePersonData> Create();

    void SetIdentification(const UTF8String& identification);
    void SetGivenName(const UTF8String& name);
    void SetFamilyName(const UTF8String& name);
    void AddMiddleName(const UTF8String& name);
    void AddPrefixTitle(const UTF8String& title);
    void AddSuffixTitle(const UTF8String& title);
    // Null records are ignored.
    void AddAddress(std::unique_ptr<AddressData> address);
    void AddRole(std::unique_ptr<RoleData> role);
};

} // namespace Orvik
