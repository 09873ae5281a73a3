#pragma once

#include "orvik/api/aec/ApplicationData.h"

#include <memory>

namespace Orvik {

class EditableApplicationData : public ApplicationData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    EditableApplicationData(CreateKey, const OrganizationData* developer, UTF8String fullName,
                            UTF8String identifier, UTF8String version);
    static std::unique_ptr<EditableApplicationData> Create(const OrganizationData* developer,
                                                           const UTF8String& fullName,
                                                           const UTF8String& identifier,
                                                           const UTF8String& version);
};

} // namespace Orvik
