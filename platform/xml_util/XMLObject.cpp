#include "xml_util/XMLObject.h"

#include <algorithm>

namespace Orvik {

XMLObject::XMLObject(UTF8String id, UTF16String label)
    : m_id(std::move(id))
    , m_label(std::move(label)) {}

XMLObject::~XMLObject() = default;

XMLObject::Extras& XMLObject::EnsureExtras() {
    if (!m_extras)
        m_extras = std::make_unique<Extras>();
    return *m_extras;
}

void XMLObject::SetChangeKey(const UTF16String& changeKey) {
    Extras& extras = EnsureExtras();
    extras.changeKey = changeKey;
    extras.hasChangeKey = true;
}

void XMLObject::SetVersionPersistentId(const UTF8String& id) {
    if (id.IsEmpty() && !m_extras)
        return;
    EnsureExtras().versionPersistentId = id;
}

const UTF16String& XMLObject::ChangeKeyRef() const {
    static const UTF16String kNone;
    return m_extras ? m_extras->changeKey : kNone;
}

void XMLObject::AddExtensionDataContent(const ExtensionDataContent& content) {
    EnsureExtras().extensionData.push_back(content);
}

void XMLObject::AddExtensionDataContent(const std::vector<ExtensionDataContent>& contents) {
    if (contents.empty())
        return;
    std::vector<ExtensionDataContent>& held = EnsureExtras().extensionData;
    held.insert(held.end(), contents.begin(), contents.end());
}

void XMLObject::AttachDomainData(std::unique_ptr<IDomainData> domainData) {
    if (!domainData && !m_extras)
        return;
    EnsureExtras().domainData = std::move(domainData);
}

void XMLObject::AddProperty(const Property& property) {
    EnsureExtras().properties.push_back(property);
}

IsValueSpecifiedEnum XMLObject::PropertiesImpl(std::vector<Property>& properties) const {
    if (!m_extras || m_extras->properties.empty())
        return IsValueSpecifiedEnum::kUnspecified;
    properties = m_extras->properties;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLObject::ChangeKeyImpl(UTF16String& changeKey) const {
    if (!m_extras || m_extras->changeKey.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    changeKey = m_extras->changeKey;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLObject::VersionPersistentIdImpl(UTF8String& id) const {
    if (!m_extras || m_extras->versionPersistentId.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    id = m_extras->versionPersistentId;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLObject::ExtensionDataByTypeIdImpl(const UTF8String& typeId,
                                                          ExtensionDataContent& content) const {
    if (!m_extras)
        return IsValueSpecifiedEnum::kUnspecified;
    const std::vector<ExtensionDataContent>& held = m_extras->extensionData;
    const auto found = std::find_if(held.begin(), held.end(),
                                    [&](const auto& record) { return record.TypeId() == typeId; });
    if (found == held.end())
        return IsValueSpecifiedEnum::kUnspecified;
    content = *found;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
