#include "ObjectDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {

JsonValue ObjectDescriber::Describe(IObject& object) {
    m_fields = JsonValue::Object();
    m_referenced.clear();
    object.AcceptVisitor(*this);
    return std::move(m_fields);
}

void ObjectDescriber::VisitUnknown(IObject& object) {
    Begin(object, "IObject");
}

void ObjectDescriber::Begin(IObject& object, const char* interfaceName) {
    m_fields.Set("id", ValueFormatter::Text(object.Id()));
    m_fields.Set("interface", interfaceName);
    DescribeObjectOperations(object);
}

void ObjectDescriber::DescribeObjectOperations(const IObject& object) {
    m_fields.Set("Label", ValueFormatter::Text(object.Label()));
    m_fields.Set("IsThreadSafe", object.IsThreadSafe());
    UTF16String changeKey;
    if (object.ChangeKey(changeKey) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("ChangeKey", ValueFormatter::Text(changeKey));
    UTF8String versionId;
    if (object.VersionPersistentId(versionId) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("VersionPersistentId", ValueFormatter::Text(versionId));
    std::vector<Property> properties;
    if (object.Properties(properties) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("Properties", ValueFormatter::Properties(properties));
    m_fields.Set("DomainData", object.DomainData() != nullptr);
    IdSet channels;
    if (object.KeyframeAnimationChannels(channels) == IsValueSpecifiedEnum::kSpecified) {
        m_fields.Set("KeyframeAnimationChannels", ValueFormatter::Ids(channels));
        for (const UTF8String& id : channels)
            Refer(id);
    }
}

} // namespace Orvik::Inspect
