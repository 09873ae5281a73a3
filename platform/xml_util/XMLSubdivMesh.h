#pragma once

#include "orvik/api/ISubdivMesh.h"
#include "xml_util/XMLEntity.h"
#include "xml_util/XMLPolygonMesh.h"

#include <istream>
#include <memory>

namespace Orvik {

// A subdivision mesh: identity on this object, cage geometry and presentation in the wrapped
// polygon mesh, so one element reader serves both classes through the same setters.
class XMLSubdivMesh : public XMLEntity<ISubdivMesh> {
public:
    explicit XMLSubdivMesh(std::unique_ptr<XMLPolygonMesh> cage);

    // Crease records of the subdivision file; false on a truncated or oversized list, which
    // leaves the creases read before untouched.
    bool ReadCreaseData(std::istream& in, bool hostIsBigEndian);
    const std::vector<SubdivCrease>& Creases() const override { return m_creases; }
    XMLPolygonMesh& Cage() { return *m_cage; }

    // IObject
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }
    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& out) const override {
        return m_cage->KeyframeAnimationChannels(out);
    }

    // IGeometry and IPolygonMesh, answered by the cage.
    double AngularTolerance() const override { return m_cage->AngularTolerance(); }
    double LinearTolerance() const override { return m_cage->LinearTolerance(); }
    double ParamTolerance() const override { return m_cage->ParamTolerance(); }
    bool IsNetVisible() const override { return m_cage->IsNetVisible(); }
    IdSet Styles() const override { return m_cage->Styles(); }
    IdSet NetStyles() const override { return m_cage->NetStyles(); }
    IdSet Materials() const override { return m_cage->Materials(); }
    const Matrix3d& Transform() const override { return m_cage->Transform(); }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override {
        return m_cage->LengthUnit(unit);
    }
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override {
        return m_cage->DisplayAngleUnit(unit);
    }
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override {
        return m_cage->DisplayLengthUnit(unit);
    }
    bool IsVisible() const override { return m_cage->IsVisible(); }
    UTF8String LodId() const override { return m_cage->LodId(); }
    PolygonMeshTypeEnum MeshType() const override { return m_cage->MeshType(); }
    PolygonMeshOrientationEnum MeshOrientation() const override {
        return m_cage->MeshOrientation();
    }
    IsValueSpecifiedEnum IsSingleSided(bool& singleSided) const override {
        return m_cage->IsSingleSided(singleSided);
    }
    const std::vector<Position>& Vertices() const override { return m_cage->Vertices(); }
    const std::vector<Vector>& Normals() const override { return m_cage->Normals(); }
    const std::vector<TextureCoordinate>& TextureCoordinates() const override {
        return m_cage->TextureCoordinates();
    }
    const std::vector<MeshPolygon>& Polygons() const override { return m_cage->Polygons(); }
    const SubEntityToStylesMap& PolygonStyles() const override { return m_cage->PolygonStyles(); }
    bool HasFaceSegmentVisibility() const override { return m_cage->HasFaceSegmentVisibility(); }
    const std::vector<FaceSegmentInfo>& FaceSegments() const override {
        return m_cage->FaceSegments();
    }
    const std::vector<EdgeSegmentInfo>& EdgeSegments() const override {
        return m_cage->EdgeSegments();
    }

    // The element reader's setters; identity stays here, the rest goes to the cage.
    void SetObjectLabel(const UTF16String& label) { SetLabel(label); }
    void SetLodId(const UTF8String& lodId) { m_cage->SetLodId(lodId); }
    void SetMeshType(PolygonMeshTypeEnum type) { m_cage->SetMeshType(type); }
    void SetMeshOrientation(PolygonMeshOrientationEnum orientation) {
        m_cage->SetMeshOrientation(orientation);
    }
    void SetVisible(bool visible) { m_cage->SetVisible(visible); }
    void SetIsSingleSided(bool singleSided) { m_cage->SetIsSingleSided(singleSided); }
    void SetLengthUnit(UnitTypeEnum lengthUnit, UnitTypeEnum displayLengthUnit) {
        m_cage->SetLengthUnit(lengthUnit, displayLengthUnit);
    }
    void SetTransform(const Matrix3d& transform) { m_cage->SetTransform(transform); }
    void SetStyle(const IdSet& styles) { m_cage->SetStyle(styles); }
    void SetMaterials(const IdSet& materials) { m_cage->SetMaterials(materials); }
    void SetKeyframeAnimationChannels(IdSet&& animations) {
        m_cage->SetKeyframeAnimationChannels(std::move(animations));
    }

private:
    std::unique_ptr<XMLPolygonMesh> m_cage;
    std::vector<SubdivCrease> m_creases;
};

} // namespace Orvik
