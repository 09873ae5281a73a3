#pragma once

#include "orvik/api/IBrep.h"
#include "orvik/api/StoredTransform.h"
#include "veld/BODY.h"

#include <memory>

namespace Orvik {

// The binding's brep: answers everything of IBrep but what the object itself is (id, label,
// properties), which the concrete class supplies. The body belongs to whoever restored it; the
// brep only looks at it.
class VeldBrep : public IBrep {
public:
    VeldBrep(const Veld::BODY* body, ProducerGeometryTypeEnum geometryType);

    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& out) const override;
    double AngularTolerance() const override { return m_angularTolerance; }
    double LinearTolerance() const override { return m_linearTolerance; }
    double ParamTolerance() const override { return m_paramTolerance; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    IdSet Materials() const override { return m_materials; }
    UTF8String BodyDI() const override;
    ProducerGeometryTypeEnum SrcGeomType() const override { return m_geometryType; }
    BrepTypeEnum BrepType_ex() const override { return kBrepType_Veld; }
    const Veld::BODY* Body() const override { return m_body; }
    const Matrix3d& Transform() const override { return m_transform.Get(); }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;
    bool IsVisible() const override { return m_visible; }
    const SubEntityToStylesMap* StylesMap() const override;
    const EditableDataIdToPersistentIdMap* PersistentIDsMap() const override;

    virtual void SetSrcGeomType(ProducerGeometryTypeEnum type) { m_geometryType = type; }
    // Later entries for a sub-entity replace earlier ones.
    virtual void AppendStylesToMap(const SubEntityToStylesMap& styles);
    virtual void AppendPersistentIDsToMap(const EditableDataIdToPersistentIdMap& ids);
    virtual void RemoveSubEntityStyles(const UTF8String& subEntityId);
    virtual void RemoveSubEntityPersistentIDs(const UTF8String& dataId);
    virtual void RemoveAllSubEntityStyles() { m_subEntityStyles.Clear(); }
    virtual void RemoveAllSubEntityPersistentIDs() { m_persistentIds.reset(); }
    virtual void SetStyles(IdSet&& styles) { m_styles = std::move(styles); }
    virtual void SetStyles(const IdSet& styles) { m_styles = styles; }
    virtual void SetMaterials(IdSet&& materials) { m_materials = std::move(materials); }
    virtual void SetMaterials(const IdSet& materials) { m_materials = materials; }
    virtual void SetNetStyles(IdSet&& styles) { m_netStyles = std::move(styles); }
    virtual void SetNetStyles(const IdSet& styles) { m_netStyles = styles; }
    virtual void SetTransform(Matrix3d&& transform) { m_transform.Set(transform); }
    virtual void SetTransform(const Matrix3d& transform) { m_transform.Set(transform); }
    virtual void SetVisible(bool visible) { m_visible = visible; }
    virtual void SetLengthUnit(UnitTypeEnum unit);
    virtual void SetDisplayAngleUnit(UnitTypeEnum unit);
    virtual void SetDisplayLengthUnit(UnitTypeEnum unit);
    virtual void SetAngularTolerance(double tolerance) { m_angularTolerance = tolerance; }
    virtual void SetLinearTolerance(double tolerance) { m_linearTolerance = tolerance; }
    virtual void SetParamTolerance(double tolerance) { m_paramTolerance = tolerance; }

    void SetVersionPersistentId(const UTF8String& id) { m_versionPersistentId = id; }
    const UTF8String& BrepVersionPersistentId() const { return m_versionPersistentId; }
    void SetNetVisibility(bool netVisible) { m_netVisible = netVisible; }
    void SetKeyframeAnimationChannels(IdSet&& channels);

protected:
    // Forgets the body, for a holder that takes it elsewhere.
    const Veld::BODY* ReleaseBody();

private:
    const Veld::BODY* m_body;
    ProducerGeometryTypeEnum m_geometryType;
    double m_angularTolerance = -1.0;
    double m_linearTolerance = -1.0;
    double m_paramTolerance = -1.0;
    bool m_visible = true;
    bool m_netVisible = true;
    IdSet m_styles;
    IdSet m_netStyles;
    IdSet m_materials;
    IdSet m_animations;
    bool m_hasAnimations = false;
    StoredTransform m_transform;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_hasLengthUnit = false;
    bool m_hasDisplayAngleUnit = false;
    bool m_hasDisplayLengthUnit = false;
    UTF8String m_versionPersistentId;
    SubEntityToStylesMap m_subEntityStyles;
    // Made on first use: most breps have none.
    std::unique_ptr<EditableDataIdToPersistentIdMap> m_persistentIds;
};

} // namespace Orvik
