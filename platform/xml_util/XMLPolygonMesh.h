#pragma once

#include "orvik/api/IPolygonMesh.h"
#include "orvik/api/StoredTransform.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <vector>

namespace Orvik {

// A polygon mesh read from a mesh side file and completed from its document element.
class XMLPolygonMesh : public XMLEntity<IPolygonMesh> {
public:
    explicit XMLPolygonMesh(const UTF8String& id);

    // IObject
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }
    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& out) const override;

    // IGeometry; a mesh carries no tolerances or net styles of its own.
    double AngularTolerance() const override { return -1.0; }
    double LinearTolerance() const override { return -1.0; }
    double ParamTolerance() const override { return -1.0; }
    bool IsNetVisible() const override { return m_visible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return IdSet(); }
    IdSet Materials() const override { return m_materials; }
    const Matrix3d& Transform() const override { return m_transform.Get(); }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;
    bool IsVisible() const override { return m_visible; }

    // IPolygonMesh
    UTF8String LodId() const override { return m_rare ? m_rare->lodId : UTF8String(); }
    PolygonMeshTypeEnum MeshType() const override { return m_meshType; }
    PolygonMeshOrientationEnum MeshOrientation() const override { return m_orientation; }
    IsValueSpecifiedEnum IsSingleSided(bool& singleSided) const override;
    const std::vector<Position>& Vertices() const override { return m_vertices; }
    const std::vector<Vector>& Normals() const override { return m_normals; }
    const std::vector<TextureCoordinate>& TextureCoordinates() const override {
        return m_textureCoordinates;
    }
    const std::vector<MeshPolygon>& Polygons() const override { return m_polygons; }
    const SubEntityToStylesMap& PolygonStyles() const override;
    bool HasFaceSegmentVisibility() const override { return m_hasFaceSegmentVisibility; }
    const std::vector<FaceSegmentInfo>& FaceSegments() const override;
    const std::vector<EdgeSegmentInfo>& EdgeSegments() const override;

    // Presentation, from the document element.
    void SetObjectLabel(const UTF16String& label) { SetLabel(label); }
    void SetLodId(const UTF8String& lodId) { Rare().lodId = lodId; }
    void SetMeshType(PolygonMeshTypeEnum type) { m_meshType = type; }
    void SetMeshOrientation(PolygonMeshOrientationEnum orientation) { m_orientation = orientation; }
    void SetVisible(bool visible) { m_visible = visible; }
    void SetIsSingleSided(bool singleSided);
    void SetLengthUnit(UnitTypeEnum lengthUnit, UnitTypeEnum displayLengthUnit);
    void SetTransform(const Matrix3d& transform) { m_transform.Set(transform); }
    void SetStyle(const IdSet& styles) { m_styles = styles; }
    void SetMaterials(const IdSet& materials) { m_materials = materials; }
    void SetKeyframeAnimationChannels(IdSet&& animations);

    // Geometry, from the mesh stream; a second call replaces the first and drops polygon styles.
    void SetGeometry(std::vector<Position> vertices, std::vector<Vector> normals,
                     std::vector<TextureCoordinate> textureCoordinates,
                     std::vector<MeshPolygon> polygons);
    void SetPolygonStyles(SubEntityToStylesMap styles) { Rare().polygonStyles = std::move(styles); }

    // Segments, from the mesh segment file.
    void SetHasFaceSegmentVisibility(bool has) { m_hasFaceSegmentVisibility = has; }
    void AddFaceSegment(FaceSegmentInfo segment) {
        Rare().faceSegments.push_back(std::move(segment));
    }
    void AddEdgeSegment(EdgeSegmentInfo segment) {
        Rare().edgeSegments.push_back(std::move(segment));
    }

private:
    // What few meshes carry, kept apart so that the many plain ones stay small.
    struct RareFields {
        UTF8String lodId;
        SubEntityToStylesMap polygonStyles;
        std::vector<FaceSegmentInfo> faceSegments;
        std::vector<EdgeSegmentInfo> edgeSegments;
    };

    RareFields& Rare();

    PolygonMeshTypeEnum m_meshType = kPolygonMeshType_Unknown;
    PolygonMeshOrientationEnum m_orientation = kPolygonMeshOrientation_Unknown;
    bool m_visible = false;
    bool m_hasSingleSided = false;
    bool m_singleSided = false;
    bool m_hasLengthUnit = false;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    StoredTransform m_transform;
    IdSet m_styles;
    IdSet m_materials;
    bool m_hasAnimations = false;
    IdSet m_animations;

    std::vector<Position> m_vertices;
    std::vector<Vector> m_normals;
    std::vector<TextureCoordinate> m_textureCoordinates;
    std::vector<MeshPolygon> m_polygons;
    bool m_hasFaceSegmentVisibility = false;
    std::unique_ptr<RareFields> m_rare;
};

} // namespace Orvik
