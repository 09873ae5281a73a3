#pragma once

#include "orvik/api/ExtensionDataContent.h"
#include "orvik/api/IDomainData.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Property.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <memory>
#include <vector>

namespace Orvik {

// State every entity of the document shares. Entities derive from their framework interface
// and from this class and forward the matching operations to the *Impl answers.
class XMLObject {
public:
    XMLObject(UTF8String id, UTF16String label);
    virtual ~XMLObject();

    XMLObject(const XMLObject&) = delete;
    XMLObject& operator=(const XMLObject&) = delete;

    void SetId(const UTF8String& id) { m_id = id; }
    void SetLabel(const UTF16String& label) { m_label = label; }
    void SetChangeKey(const UTF16String& changeKey);
    void SetVersionPersistentId(const UTF8String& id);
    void AddExtensionDataContent(const ExtensionDataContent& content);
    void AddExtensionDataContent(const std::vector<ExtensionDataContent>& contents);
    void AttachDomainData(std::unique_ptr<IDomainData> domainData);
    void AddProperty(const Property& property);

    const UTF8String& IdRef() const { return m_id; }
    const UTF16String& LabelRef() const { return m_label; }
    // Set by any "ChangeKey", an empty one included.
    bool HasChangeKey() const { return m_extras && m_extras->hasChangeKey; }
    const UTF16String& ChangeKeyRef() const;

    UTF8String IdImpl() const { return m_id; }
    UTF16String LabelImpl() const { return m_label; }
    IsValueSpecifiedEnum PropertiesImpl(std::vector<Property>& properties) const;
    const IDomainData* DomainDataImpl() const {
        return m_extras ? m_extras->domainData.get() : nullptr;
    }
    IsValueSpecifiedEnum ChangeKeyImpl(UTF16String& changeKey) const;
    IsValueSpecifiedEnum VersionPersistentIdImpl(UTF8String& id) const;
    IsValueSpecifiedEnum ExtensionDataByTypeIdImpl(const UTF8String& typeId,
                                                   ExtensionDataContent& content) const;

private:
    // What few objects carry, kept apart so that the many plain ones (instances by the million)
    // stay small.
    struct Extras {
        UTF16String changeKey;
        bool hasChangeKey = false;
        UTF8String versionPersistentId;
        std::vector<ExtensionDataContent> extensionData;
        std::vector<Property> properties;
        std::unique_ptr<IDomainData> domainData;
    };

    Extras& EnsureExtras();

    UTF8String m_id;
    UTF16String m_label;
    std::unique_ptr<Extras> m_extras;
};

} // namespace Orvik
