#include "xml_util/XMLPolygonMesh.h"

namespace Orvik {

XMLPolygonMesh::XMLPolygonMesh(const UTF8String& id)
    : XMLEntity(id, UTF16String()) {}

IsValueSpecifiedEnum XMLPolygonMesh::KeyframeAnimationChannels(IdSet& out) const {
    if (m_hasAnimations)
        out = m_animations;
    return SpecifiedIf(m_hasAnimations);
}

IsValueSpecifiedEnum XMLPolygonMesh::LengthUnit(UnitTypeEnum& unit) const {
    if (m_hasLengthUnit)
        unit = m_lengthUnit;
    return SpecifiedIf(m_hasLengthUnit);
}

IsValueSpecifiedEnum XMLPolygonMesh::DisplayLengthUnit(UnitTypeEnum& unit) const {
    if (m_hasLengthUnit)
        unit = m_displayLengthUnit;
    return SpecifiedIf(m_hasLengthUnit);
}

IsValueSpecifiedEnum XMLPolygonMesh::IsSingleSided(bool& singleSided) const {
    if (m_hasSingleSided)
        singleSided = m_singleSided;
    return SpecifiedIf(m_hasSingleSided);
}

void XMLPolygonMesh::SetIsSingleSided(bool singleSided) {
    m_hasSingleSided = true;
    m_singleSided = singleSided;
}

void XMLPolygonMesh::SetLengthUnit(UnitTypeEnum lengthUnit, UnitTypeEnum displayLengthUnit) {
    m_hasLengthUnit = true;
    m_lengthUnit = lengthUnit;
    m_displayLengthUnit = displayLengthUnit;
}

void XMLPolygonMesh::SetKeyframeAnimationChannels(IdSet&& animations) {
    m_hasAnimations = true;
    m_animations = std::move(animations);
}

void XMLPolygonMesh::SetGeometry(std::vector<Position> vertices, std::vector<Vector> normals,
                                 std::vector<TextureCoordinate> textureCoordinates,
                                 std::vector<MeshPolygon> polygons) {
    m_vertices = std::move(vertices);
    m_normals = std::move(normals);
    m_textureCoordinates = std::move(textureCoordinates);
    m_polygons = std::move(polygons);
    // Styles are by polygon index and would point into the old polygon list.
    if (m_rare)
        m_rare->polygonStyles.Clear();
}

XMLPolygonMesh::RareFields& XMLPolygonMesh::Rare() {
    if (!m_rare)
        m_rare = std::make_unique<RareFields>();
    return *m_rare;
}

const SubEntityToStylesMap& XMLPolygonMesh::PolygonStyles() const {
    static const SubEntityToStylesMap none;
    return m_rare ? m_rare->polygonStyles : none;
}

const std::vector<FaceSegmentInfo>& XMLPolygonMesh::FaceSegments() const {
    static const std::vector<FaceSegmentInfo> none;
    return m_rare ? m_rare->faceSegments : none;
}

const std::vector<EdgeSegmentInfo>& XMLPolygonMesh::EdgeSegments() const {
    static const std::vector<EdgeSegmentInfo> none;
    return m_rare ? m_rare->edgeSegments : none;
}

} // namespace Orvik
