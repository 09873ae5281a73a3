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

void ObjectDescriber::Visit(IFile& file)
{
    Begin(file, "IFile");
    DescribeAttributeSets(file);
    DescribeUnits(file);
    m_fields.Set("FileProperties", file.FileProperties() != nullptr);
    m_fields.Set("ChildCount", file.ChildCount());
    JsonValue children = JsonValue::Array();
    for (std::uint64_t i = 0; i < file.ChildCount(); ++i)
        children.Append(ChildIdValue(file.ChildAt(i)));
    m_fields.Set("ChildAt", std::move(children));
    m_fields.Set("IsRoot", file.IsRoot());
    UTF16String path;
    if (file.FullPath(path) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("FullPath", ValueFormatter::Text(path));
    Time modified;
    if (file.LastModificationTime(modified) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("LastModificationTime", ValueFormatter::TimeText(modified));
    m_fields.Set("RefFileCount", file.RefFileCount());
    JsonValue refFiles = JsonValue::Array();
    for (std::uint64_t i = 0; i < file.RefFileCount(); ++i) {
        UTF8String id;
        JsonValue entry = JsonValue::Object();
        if (file.RefFileAt(i, id, path)) {
            entry.Set("id", ValueFormatter::Text(id));
            entry.Set("path", ValueFormatter::Text(path));
        }
        refFiles.Append(std::move(entry));
    }
    m_fields.Set("RefFileAt", std::move(refFiles));
}

template <typename ChildId>
JsonValue ObjectDescriber::ChildIdValue(const ChildId& child)
{
    if (child.IsEmpty())
        return nullptr;
    Refer(child.Id());
    return ValueFormatter::Text(child.Id());
}

void ObjectDescriber::DescribeIds(const char* name, const IdSet& ids)
{
    m_fields.Set(name, ValueFormatter::Ids(ids));
    for (const UTF8String& id : ids)
        Refer(id);
}

void ObjectDescriber::DescribeAttributeSets(const IAttributeSets& sets)
{
    DescribeIds("StyleSet", sets.StyleSet());
    DescribeIds("TextureSet", sets.TextureSet());
    DescribeIds("LayerSet", sets.LayerSet());
    DescribeIds("GroupSet", sets.GroupSet());
    DescribeIds("LodSet", sets.LodSet());
    DescribeIds("AnimationSet", sets.AnimationSet());
    DescribeIds("CameraSet", sets.CameraSet());
    DescribeIds("ViewSet", sets.ViewSet());
    DescribeIds("MaterialSet", sets.MaterialSet());
    DescribeIds("LightSet", sets.LightSet());
}

void ObjectDescriber::DescribeUnits(const IUnit& unit)
{
    UnitTypeEnum value = UnitTypeEnum::kUnitType_Unknown;
    if (unit.LengthUnit(value) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("LengthUnit", ValueFormatter::Unit(value));
    if (unit.DisplayAngleUnit(value) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("DisplayAngleUnit", ValueFormatter::Unit(value));
    if (unit.DisplayLengthUnit(value) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("DisplayLengthUnit", ValueFormatter::Unit(value));
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
