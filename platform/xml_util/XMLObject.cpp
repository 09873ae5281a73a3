#include "xml_util/XMLObject.h"

#include <algorithm>

namespace Orvik {

XMLObject::XMLObject(UTF8String id, UTF16String label)
    : m_id(std::move(id))
    , m_label(std::move(label)) {}

XMLObject::~XMLObject() = default;

void XMLObject::AddExtensionDataContent(const ExtensionDataContent& content) {
    m_extensionData.push_back(content);
}

void XMLObject::AddExtensionDataContent(const std::vector<ExtensionDataContent>& contents) {
    m_extensionData.insert(m_extensionData.end(), contents.begin(), contents.end());
}

void XMLObject::AttachDomainData(std::unique_ptr<IDomainData> domainData) {
    m_domainData = std::move(domainData);
}

void XMLObject::AddProperty(const Property& property) {
    m_properties.push_back(property);
}

IsValueSpecifiedEnum XMLObject::PropertiesImpl(std::vector<Property>& properties) const {
    if (m_properties.empty()) {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    properties = m_properties;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLObject::ChangeKeyImpl(UTF16String& changeKey) const {
    if (m_changeKey.IsEmpty()) {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    changeKey = m_changeKey;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLObject::VersionPersistentIdImpl(UTF8String& id) const {
    if (m_versionPersistentId.IsEmpty()) {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    id = m_versionPersistentId;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLObject::ExtensionDataByTypeIdImpl(const UTF8String& typeId,
                                                          ExtensionDataContent& content) const {
    const auto found = std::find_if(m_extensionData.begin(), m_extensionData.end(),
                                    [&](const auto& record) { return record.TypeId() == typeId; });
    if (found == m_extensionData.end()) {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    content = *found;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
