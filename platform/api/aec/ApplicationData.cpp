#include "orvik/api/aec/ApplicationData.h"

namespace Orvik {

ApplicationData::ApplicationData(const OrganizationData* developer, UTF8String fullName,
                                 UTF8String identifier, UTF8String version)
    : m_developer(developer)
    , m_fullName(std::move(fullName))
    , m_identifier(std::move(identifier))
    , m_version(std::move(version)) {}

ApplicationData::~ApplicationData() = default;

} // namespace Orvik
