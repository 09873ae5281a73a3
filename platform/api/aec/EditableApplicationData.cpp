#include "orvik/api/aec/EditableApplicationData.h"

namespace Orvik {

EditableApplicationData::EditableApplicationData(CreateKey, const OrganizationData* developer,
                                                 UTF8String fullName, UTF8String identifier,
                                                 UTF8String version)
    : ApplicationData(developer, std::move(fullName), std::move(identifier), std::move(version)) {}

std::unique_ptr<EditableApplicationData>
EditableApplicationData::Create(const OrganizationData* developer, const UTF8String& fullName,
                                const UTF8String& identifier, const UTF8String& version) {
    return std::make_unique<EditableApplicationData>(CreateKey{}, developer, fullName, identifier,
                                                     version);
}

} // namespace Orvik
