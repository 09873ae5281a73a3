#include "hierarchy/XMLInstance.h"

#include "hierarchy/AECDomainDataReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementRegistry.h"
#include "loader/ElementWalk.h"
#include "loader/KindTable.h"
#include "loader/ReadContext.h"
#include "orvik/api/IComponent.h"
#include "orvik/api/IFile.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"

#include <memory>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

// Everything an "IInstance" element says, gathered before the instance may be made.
struct InstanceDraft {
    UTF8String id;
    UTF16String label;
    UTF8String versionPersistentId;
    bool visible = false;
    bool netVisible = false;
    UTF8String placedId;
    // The kind of the placed object when the loading pass makes it later.
    ObjectKindEnum deferredKind = ObjectKindEnum::kUnknown;
    Matrix3d transform;
    UTF16String changeKey;
    UnitTypeEnum lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    IdSet styles;
    IdSet netStyles;
    IdSet materials;
    IdSet animations;
    std::vector<ExtensionDataContent> extensions;
    std::unique_ptr<IDomainData> domainData;
};

// Absent attributes read as empty text. Converted straight from the parser's text: an instance
// is read millions of times in a large document.
UTF16String AttributeText(const DOMElement& element, const XMLCh* name) {
    return XMLStrUtil::XMLStrToWStr(element.getAttribute(name));
}

UTF8String AttributeUtf8(const DOMElement& element, const XMLCh* name) {
    return XMLStrUtil::XMLStrToAStr(element.getAttribute(name));
}

bool IsOne(const DOMElement& element, const XMLCh* name) {
    return ElementReaders::IsVisibleValue(element.getAttribute(name));
}

UTF8String MappedId(ReadContext& context, const UTF8String& id) {
    return context.ReferenceId(id);
}

void ReadAttributes(const DOMElement& element, ReadContext& context, InstanceDraft& draft) {
    draft.id = MappedId(context, AttributeUtf8(element, u"ID"));
    draft.label = AttributeText(element, u"Label");
    draft.netVisible = IsOne(element, u"NetVisibility");
    draft.visible = IsOne(element, u"Visibility");
    draft.versionPersistentId = AttributeUtf8(element, u"VersionPersistentId");
}

// Only components and files can be placed; the kind of an element not read yet, by its name.
ObjectKindEnum PlaceableKind(const XMLCh* elementName) {
    if (xercesc::XMLString::equals(elementName, u"IPart"))
        return ObjectKindEnum::kPart;
    if (xercesc::XMLString::equals(elementName, u"IAssembly"))
        return ObjectKindEnum::kAssembly;
    if (xercesc::XMLString::equals(elementName, u"IFile"))
        return ObjectKindEnum::kFile;
    return ObjectKindEnum::kUnknown;
}

ObjectKindEnum DeferredKind(ReadContext& context, const UTF8String& asRead) {
    const ElementRegistry::Entry* entry = context.Registry().Find(asRead);
    return entry != nullptr && entry->kind != nullptr ? PlaceableKind(entry->kind->name)
                                                      : ObjectKindEnum::kUnknown;
}

// The placed object may come later in the document: it is made now, or, where references nest
// too deep to make it now, by the loading pass, and its element already tells its kind. An
// element still being read (a placement cycle) is not made, so the instance is not either.
void ReadPlacement(const DOMElement& child, ReadContext& context, InstanceDraft& draft) {
    // A reference without an id names nothing and leaves an earlier one in place.
    if (!child.hasAttribute(u"ID"))
        return;
    const UTF8String asRead = AttributeUtf8(child, u"ID");
    const ReferenceOutcome placed = context.Require(child, asRead);
    draft.placedId = placed.id;
    draft.deferredKind = placed.deferred ? DeferredKind(context, asRead) : ObjectKindEnum::kUnknown;
    draft.transform = Matrix3d();
    XMLStrUtil::GetTransfFromStr(AttributeUtf8(child, u"Transformation"), draft.transform);
}

void ReadExtension(const DOMElement& child, ReadContext& context, InstanceDraft& draft) {
    ExtensionDataContent content;
    if (ElementReaders::ReadExtensionData(context, &child, content))
        draft.extensions.push_back(std::move(content));
}

void ReadChild(const DOMElement& child, ReadContext& context, InstanceDraft& draft) {
    if (ElementWalk::IsNamed(child, u"Child"))
        ReadPlacement(child, context, draft);
    else if (ElementWalk::IsNamed(child, u"ChangeKey"))
        ElementReaders::ReadChangeKey(&child, draft.changeKey);
    else if (ElementWalk::IsNamed(child, u"Unit"))
        ElementReaders::ReadUnit(&child, draft.lengthUnit, draft.displayAngleUnit,
                                 draft.displayLengthUnit);
    else if (ElementWalk::IsNamed(child, u"Styles"))
        ElementReaders::ReadStyleRefs(&context, &child, draft.styles);
    else if (ElementWalk::IsNamed(child, u"NetStyles"))
        ElementReaders::ReadStyleRefs(&context, &child, draft.netStyles);
    else if (ElementWalk::IsNamed(child, u"Animations"))
        ElementReaders::ReadIdRefs(&context, &child, u"Animations", AnimationRefNodeNameXMLCh,
                                   draft.animations);
    else if (ElementWalk::IsNamed(child, u"Materials"))
        ElementReaders::ReadIdRefs(&context, &child, u"Materials", MaterialRefNodeNameXMLCh,
                                   draft.materials);
    else if (ElementWalk::IsNamed(child, u"ExtensionData"))
        ReadExtension(child, context, draft);
    else if (ElementWalk::IsNamed(child, u"IAECObjectData"))
        AECDomainDataReader::Read(context, child, draft.domainData);
}

// Only components and files can be placed; anything else yields an empty child.
InstanceChildId PlaceableChild(IObject* placed) {
    if (dynamic_cast<IComponent*>(placed) == nullptr && dynamic_cast<IFile*>(placed) == nullptr)
        return InstanceChildId();
    return InstanceChildId::Create(placed);
}

IsValueSpecifiedEnum CopyUnit(UnitTypeEnum field, UnitTypeEnum& unit) {
    unit = field;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace

XMLInstance::XMLInstance(const UTF8String& id, const UTF16String& label,
                         const InstanceChildId& child, const Matrix3d& transform)
    : XMLEntity(id, label)
    , m_child(child)
    , m_transform(transform) {}

XMLInstance::~XMLInstance() = default;

XMLInstance* XMLInstance::ReadInstance(const DOMElement& element, ReadContext& context) {
    if (!element.hasAttribute(u"ID"))
        return nullptr;
    InstanceDraft draft;
    ReadAttributes(element, context, draft);
    ElementWalk::ForEachChildElement(
        element, [&](const DOMElement& child) { ReadChild(child, context, draft); });

    InstanceChildId child = PlaceableChild(context.Find(draft.placedId));
    if (child.IsEmpty() && draft.deferredKind != ObjectKindEnum::kUnknown)
        child = InstanceChildId::Create(draft.placedId, draft.deferredKind);
    if (child.IsEmpty())
        return nullptr;
    auto instance = std::make_unique<XMLInstance>(draft.id, draft.label, child, draft.transform);
    // An empty key answers as no key; an instance holds none then.
    if (!draft.changeKey.IsEmpty())
        instance->SetChangeKey(draft.changeKey);
    instance->SetDisplayAngleUnit(draft.displayAngleUnit);
    instance->SetLengthUnit(draft.lengthUnit);
    instance->SetDisplayLengthUnit(draft.displayLengthUnit);
    instance->m_visible = draft.visible;
    instance->m_netVisible = draft.netVisible;
    instance->m_animations = std::move(draft.animations);
    instance->m_styles = std::move(draft.styles);
    instance->m_netStyles = std::move(draft.netStyles);
    instance->m_materials = std::move(draft.materials);
    instance->SetVersionPersistentId(draft.versionPersistentId);
    if (!draft.extensions.empty())
        instance->AddExtensionDataContent(draft.extensions);
    if (draft.domainData)
        instance->AttachDomainData(std::move(draft.domainData));

    XMLInstance* held = instance.get();
    // A refused instance (its id is held already) is destroyed by the collector.
    return context.Adopt(std::move(instance)) != nullptr ? held : nullptr;
}

IsValueSpecifiedEnum XMLInstance::KeyframeAnimationChannels(IdSet& out) const {
    if (m_animations.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    out = m_animations;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLInstance::LengthUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_lengthUnit, unit);
}

IsValueSpecifiedEnum XMLInstance::DisplayAngleUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_displayAngleUnit, unit);
}

IsValueSpecifiedEnum XMLInstance::DisplayLengthUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_displayLengthUnit, unit);
}

} // namespace Orvik
