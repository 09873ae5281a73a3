#include "MaterialDataDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {
namespace {

// An optional value, set only when specified.
template <typename Value, typename Data, typename Format>
void SetIf(Json& fields, const char* name, const Data& data,
           IsValueSpecifiedEnum (Data::*getter)(Value&) const, Format format) {
    Value value{};
    if ((data.*getter)(value) == IsValueSpecifiedEnum::kSpecified)
        fields[name] = format(value);
}

Json Number(double value) {
    return ValueFormatter::Number(value);
}

Json Text(const UTF16String& text) {
    return ValueFormatter::Text(text);
}

Json Count(std::uint64_t value) {
    return value;
}

} // namespace

Json MaterialDataDescriber::Describe(const IMaterialData& data,
                                     std::vector<UTF8String>& materials) {
    MaterialDataDescriber describer(materials);
    data.AcceptVisitor(describer);
    return std::move(describer.m_fields);
}

void MaterialDataDescriber::Begin(const IMaterialData& data, const char* interfaceName) {
    m_fields["interface"] = interfaceName;
    m_fields["Name"] = ValueFormatter::Text(data.Name());
    SetIf(m_fields, "Description", data, &IMaterialData::Description, Text);
}

void MaterialDataDescriber::SetMaterial(const IsValueSpecifiedEnum specified,
                                        const UTF8String& id) {
    if (specified != IsValueSpecifiedEnum::kSpecified)
        return;
    m_fields["Material"] = ValueFormatter::Text(id);
    if (!id.IsEmpty())
        m_materials.push_back(id);
}

template <typename Set>
void MaterialDataDescriber::SetMembers(const Set& set) {
    m_fields["MaterialCount"] = set.MaterialCount();
    m_fields["MaterialAt"] = ValueFormatter::Indexed(set.MaterialCount(), [&](std::uint64_t i) {
        const auto* member = set.MaterialAt(static_cast<std::size_t>(i));
        return member ? Describe(*member, m_materials) : Json(nullptr);
    });
}

void MaterialDataDescriber::Visit(const IMaterialPieceData& piece) {
    Begin(piece, "IMaterialPieceData");
    UTF8String id;
    SetMaterial(piece.Material(id), id);
    SetIf(m_fields, "Fraction", piece, &IMaterialPieceData::Fraction, Number);
    SetIf(m_fields, "Category", piece, &IMaterialPieceData::Category, Text);
}

void MaterialDataDescriber::Visit(const IMaterialLayerData& layer) {
    Begin(layer, "IMaterialLayerData");
    UTF8String id;
    SetMaterial(layer.Material(id), id);
    m_fields["LayerThickness"] = ValueFormatter::Number(layer.LayerThickness());
    SetIf(m_fields, "OffsetDir", layer, &IMaterialLayerData::OffsetDir,
          [](const UnitVector& v) { return ValueFormatter::Xyz(Vector(v.X(), v.Y(), v.Z())); });
    SetIf(m_fields, "StartOffset", layer, &IMaterialLayerData::StartOffset, Number);
    SetIf(m_fields, "EndOffset", layer, &IMaterialLayerData::EndOffset, Number);
    m_fields["LayerThicknessLengthUnit"] = ValueFormatter::Unit(layer.LayerThicknessLengthUnit());
    SetIf(m_fields, "IsVentilated", layer, &IMaterialLayerData::IsVentilated,
          [](bool value) { return Json(value); });
    SetIf(m_fields, "Priority", layer, &IMaterialLayerData::Priority, Count);
    SetIf(m_fields, "Category", layer, &IMaterialLayerData::Category, Text);
}

void MaterialDataDescriber::Visit(const IMaterialProfileData& profile) {
    Begin(profile, "IMaterialProfileData");
    UTF8String id;
    SetMaterial(profile.Material(id), id);
    m_fields["ProfileDefinition"] = profile.ProfileDefinition() != nullptr;
    m_fields["ProfileLengthUnit"] = ValueFormatter::Unit(profile.ProfileLengthUnit());
    SetIf(m_fields, "Priority", profile, &IMaterialProfileData::Priority, Count);
    SetIf(m_fields, "Category", profile, &IMaterialProfileData::Category, Text);
    SetIf(m_fields, "StartOffset", profile, &IMaterialProfileData::StartOffset, Number);
    SetIf(m_fields, "EndOffset", profile, &IMaterialProfileData::EndOffset, Number);
}

void MaterialDataDescriber::Visit(const IMaterialPieceSetData& set) {
    Begin(set, "IMaterialPieceSetData");
    SetMembers(set);
}

void MaterialDataDescriber::Visit(const IMaterialLayerSetData& set) {
    Begin(set, "IMaterialLayerSetData");
    SetMembers(set);
    m_fields["TotalThickness"] = ValueFormatter::Number(set.TotalThickness());
    m_fields["LayerTotalThicknessLengthUnit"] =
        ValueFormatter::Unit(set.LayerTotalThicknessLengthUnit());
}

void MaterialDataDescriber::Visit(const IMaterialProfileSetData& set) {
    Begin(set, "IMaterialProfileSetData");
    SetMembers(set);
    m_fields["CompositeProfile"] = set.CompositeProfile() != nullptr;
    m_fields["ProfileLengthUnit"] = ValueFormatter::Unit(set.ProfileLengthUnit());
}

} // namespace Orvik::Inspect
