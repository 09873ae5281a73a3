#pragma once

#include "orvik/api/EdgeSegmentInfo.h"
#include "orvik/api/FaceSegmentInfo.h"
#include "orvik/api/IGeometry.h"
#include "orvik/api/MeshPolygon.h"
#include "orvik/api/Position.h"
#include "orvik/api/SubEntityToStylesMap.h"
#include "orvik/api/TextureCoordinate.h"
#include "orvik/api/Vector.h"

#include <vector>

namespace Orvik {

// A mesh of polygons over a vertex list: everything a host needs to draw it.
class IPolygonMesh : public IGeometry {
public:
    enum PolygonMeshTypeEnum {
        kPolygonMeshType_Unknown = 0,
        kPolygonMeshType_Triangles = 1,
        kPolygonMeshType_Quads = 2,
        kPolygonMeshType_Polygons = 3,
    };
    enum PolygonMeshOrientationEnum {
        kPolygonMeshOrientation_Unknown = 0,
        kPolygonMeshOrientation_CounterClockwise = 1,
        kPolygonMeshOrientation_Clockwise = 2,
    };

    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }
    // Level of detail the mesh belongs to; empty when none.
    virtual UTF8String LodId() const = 0;
    virtual PolygonMeshTypeEnum MeshType() const = 0;
    virtual PolygonMeshOrientationEnum MeshOrientation() const = 0;
    virtual IsValueSpecifiedEnum IsSingleSided(bool& singleSided) const = 0;

    virtual const std::vector<Position>& Vertices() const = 0;
    // Empty, or one per vertex.
    virtual const std::vector<Vector>& Normals() const = 0;
    // Empty, or one per vertex.
    virtual const std::vector<TextureCoordinate>& TextureCoordinates() const = 0;
    // Every index of a polygon is below the vertex count.
    virtual const std::vector<MeshPolygon>& Polygons() const = 0;
    // Render styles by polygon index (in decimal).
    virtual const SubEntityToStylesMap& PolygonStyles() const = 0;

    virtual bool HasFaceSegmentVisibility() const = 0;
    virtual const std::vector<FaceSegmentInfo>& FaceSegments() const = 0;
    virtual const std::vector<EdgeSegmentInfo>& EdgeSegments() const = 0;
};

} // namespace Orvik
