#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/OrganizationData.h"

namespace Orvik {

// An application that made or changed objects of the project.
class ApplicationData {
public:
    virtual ~ApplicationData();

    // Not owned; null when the document names no known developer.
    const OrganizationData* Developer() const { return m_developer; }
    const UTF8String& FullName() const { return m_fullName; }
    const UTF8String& Identifier() const { return m_identifier; }
    const UTF8String& Version() const { return m_version; }

protected:
    ApplicationData(const OrganizationData* developer, UTF8String fullName, UTF8String identifier,
                    UTF8String version);

    const OrganizationData* m_developer;
    UTF8String m_fullName;
    UTF8String m_identifier;
    UTF8String m_version;
};

} // namespace Orvik
