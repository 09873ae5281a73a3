#include "veld/VeldBrep.h"

namespace Orvik {

VeldBrep::VeldBrep(const Veld::BODY* body, ProducerGeometryTypeEnum geometryType)
    : m_body(body)
    , m_geometryType(geometryType) {}

IsValueSpecifiedEnum VeldBrep::KeyframeAnimationChannels(IdSet& out) const {
    if (!m_hasAnimations)
        return IsValueSpecifiedEnum::kUnspecified;
    out = m_animations;
    return IsValueSpecifiedEnum::kSpecified;
}

UTF8String VeldBrep::BodyDI() const {
    return m_body != nullptr ? UTF8String(m_body->dxid()) : UTF8String();
}

IsValueSpecifiedEnum VeldBrep::LengthUnit(UnitTypeEnum& unit) const {
    if (m_hasLengthUnit)
        unit = m_lengthUnit;
    return SpecifiedIf(m_hasLengthUnit);
}

IsValueSpecifiedEnum VeldBrep::DisplayAngleUnit(UnitTypeEnum& unit) const {
    if (m_hasDisplayAngleUnit)
        unit = m_displayAngleUnit;
    return SpecifiedIf(m_hasDisplayAngleUnit);
}

IsValueSpecifiedEnum VeldBrep::DisplayLengthUnit(UnitTypeEnum& unit) const {
    if (m_hasDisplayLengthUnit)
        unit = m_displayLengthUnit;
    return SpecifiedIf(m_hasDisplayLengthUnit);
}

const SubEntityToStylesMap* VeldBrep::StylesMap() const {
    return m_subEntityStyles.IsEmpty() ? nullptr : &m_subEntityStyles;
}

const EditableDataIdToPersistentIdMap* VeldBrep::PersistentIDsMap() const {
    return m_persistentIds != nullptr && m_persistentIds->Size() > 0 ? m_persistentIds.get()
                                                                     : nullptr;
}

void VeldBrep::AppendStylesToMap(const SubEntityToStylesMap& styles) {
    for (const auto& entry : styles.Styles())
        m_subEntityStyles.SetStyles(entry.first, entry.second);
}

void VeldBrep::AppendPersistentIDsToMap(const EditableDataIdToPersistentIdMap& ids) {
    if (ids.Size() == 0)
        return;
    if (m_persistentIds == nullptr)
        m_persistentIds = std::make_unique<EditableDataIdToPersistentIdMap>();
    for (const auto& entry : ids.Ids())
        m_persistentIds->Add(entry.first, entry.second);
}

void VeldBrep::RemoveSubEntityStyles(const UTF8String& subEntityId) {
    m_subEntityStyles.Remove(subEntityId);
}

void VeldBrep::RemoveSubEntityPersistentIDs(const UTF8String& dataId) {
    if (m_persistentIds == nullptr)
        return;
    // The framework's map has no removal; rebuild it without the entry.
    auto kept = std::make_unique<EditableDataIdToPersistentIdMap>();
    for (const auto& entry : m_persistentIds->Ids())
        if (entry.first != dataId)
            kept->Add(entry.first, entry.second);
    m_persistentIds = std::move(kept);
}

void VeldBrep::SetLengthUnit(UnitTypeEnum unit) {
    m_lengthUnit = unit;
    m_hasLengthUnit = true;
}

void VeldBrep::SetDisplayAngleUnit(UnitTypeEnum unit) {
    m_displayAngleUnit = unit;
    m_hasDisplayAngleUnit = true;
}

void VeldBrep::SetDisplayLengthUnit(UnitTypeEnum unit) {
    m_displayLengthUnit = unit;
    m_hasDisplayLengthUnit = true;
}

void VeldBrep::SetKeyframeAnimationChannels(IdSet&& channels) {
    m_animations = std::move(channels);
    m_hasAnimations = true;
}

const Veld::BODY* VeldBrep::ReleaseBody() {
    const Veld::BODY* body = m_body;
    m_body = nullptr;
    return body;
}

} // namespace Orvik
