#include "GeometryDescriber.h"

#include "CurveDataDescriber.h"
#include "ValueFormatter.h"
#include "veld/BODY.h"

namespace Orvik::Inspect {
namespace {

Json IndexList(const std::vector<std::uint32_t>& indices) {
    return Json(indices);
}

template <typename Item, typename Format>
Json ListOf(const std::vector<Item>& items, Format format) {
    Json list = Json::array();
    for (const Item& item : items)
        list.push_back(format(item));
    return list;
}

Json Loops(const MeshPolygon& polygon) {
    Json loops = Json::array();
    loops.push_back(IndexList(polygon.OuterLoop().Indices()));
    for (const VertexIndexSet& inner : polygon.InnerLoops())
        loops.push_back(IndexList(inner.Indices()));
    return loops;
}

} // namespace

void GeometryDescriber::Describe(const IBrep& brep, ObjectDescription& out) {
    out.Begin(brep, "IBrep");
    out.SetUnits(brep);
    out.SetGeometry(brep, true);
    out.Set("SrcGeomType", static_cast<int>(brep.SrcGeomType()));
    DescribeBrepBody(brep, out);
    DescribeBrepSubEntities(brep, out);
}

void GeometryDescriber::DescribeBrepBody(const IBrep& brep, ObjectDescription& out) {
    const Veld::BODY* body = brep.Body();
    out.Set("Body", body != nullptr);
    out.Set("BodyDI", ValueFormatter::Text(brep.BodyDI()));
    if (body == nullptr)
        return;
    out.Set("FaceCount", static_cast<std::uint64_t>(body->face_count()));
    out.Set("EdgeCount", static_cast<std::uint64_t>(body->edge_count()));
}

void GeometryDescriber::DescribeBrepSubEntities(const IBrep& brep, ObjectDescription& out) {
    out.SetStyleMap("StylesMap", brep.StylesMap());
    Json ids = Json::object();
    if (const EditableDataIdToPersistentIdMap* map = brep.PersistentIDsMap())
        for (const auto& [dataId, persistentId] : map->Ids())
            ids[dataId.Value()] = ValueFormatter::Text(persistentId);
    out.Set("PersistentIDsMap", std::move(ids));
}

void GeometryDescriber::Describe(const IPolygonMesh& mesh, ObjectDescription& out) {
    out.Begin(mesh, "IPolygonMesh");
    DescribeMesh(mesh, out);
}

void GeometryDescriber::Describe(const ISubdivMesh& mesh, ObjectDescription& out) {
    out.Begin(mesh, "ISubdivMesh");
    DescribeMesh(mesh, out);
    out.Set("Creases", ListOf(mesh.Creases(), [](const SubdivCrease& crease) {
                return Json{crease.From(), crease.To(), ValueFormatter::Number(crease.Sharpness())};
            }));
}

void GeometryDescriber::DescribeMesh(const IPolygonMesh& mesh, ObjectDescription& out) {
    out.SetUnits(mesh);
    out.Set("Transform", ValueFormatter::Matrix(mesh.Transform()));
    out.Set("IsVisible", mesh.IsVisible());
    out.SetIds("Styles", mesh.Styles());
    out.SetIds("Materials", mesh.Materials());
    out.Set("LodId", ValueFormatter::Text(mesh.LodId()));
    out.Set("MeshType", static_cast<int>(mesh.MeshType()));
    out.Set("MeshOrientation", static_cast<int>(mesh.MeshOrientation()));
    bool singleSided = false;
    if (mesh.IsSingleSided(singleSided) == IsValueSpecifiedEnum::kSpecified)
        out.Set("IsSingleSided", singleSided);
    out.Set("VertexCount", static_cast<std::uint64_t>(mesh.Vertices().size()));
    out.Set("PolygonCount", static_cast<std::uint64_t>(mesh.Polygons().size()));
    out.Set("FaceSegmentCount", static_cast<std::uint64_t>(mesh.FaceSegments().size()));
    out.Set("EdgeSegmentCount", static_cast<std::uint64_t>(mesh.EdgeSegments().size()));
    DescribeMeshGeometry(mesh, out);
    DescribeMeshSegments(mesh, out);
}

void GeometryDescriber::DescribeMeshGeometry(const IPolygonMesh& mesh, ObjectDescription& out) {
    out.Set("Vertices",
            ListOf(mesh.Vertices(), [](const Position& p) { return ValueFormatter::Xyz(p); }));
    out.Set("Normals",
            ListOf(mesh.Normals(), [](const Vector& v) { return ValueFormatter::Xyz(v); }));
    out.Set("TextureCoordinates", ListOf(mesh.TextureCoordinates(), [](const auto& t) {
                return Json{ValueFormatter::Number(t.U()), ValueFormatter::Number(t.V())};
            }));
    out.Set("Polygons", ListOf(mesh.Polygons(), Loops));
    out.SetStyleMap("PolygonStyles", &mesh.PolygonStyles());
}

void GeometryDescriber::DescribeMeshSegments(const IPolygonMesh& mesh, ObjectDescription& out) {
    out.Set("HasFaceSegmentVisibility", mesh.HasFaceSegmentVisibility());
    out.Set("FaceSegments", ListOf(mesh.FaceSegments(), [](const FaceSegmentInfo& face) {
                return Json{{"polygons", IndexList(face.Polygons().Indices())},
                            {"visible", face.IsVisible()}};
            }));
    out.Set("EdgeSegments", ListOf(mesh.EdgeSegments(), [](const EdgeSegmentInfo& edge) {
                return IndexList(edge.Vertices().Indices());
            }));
}

void GeometryDescriber::Describe(const ICurve& curve, ObjectDescription& out) {
    out.Begin(curve, "ICurve");
    out.SetUnits(curve);
    out.SetGeometry(curve, curve.HasTransform());
    std::vector<const Veld::curve*> kernelCurves;
    curve.KernelCurves(kernelCurves);
    out.Set("KernelCurveCount", static_cast<std::uint64_t>(kernelCurves.size()));
    out.Set("CurveDataCount", curve.CurveDataCount());
    out.Set("CurveDataAt", ValueFormatter::Indexed(curve.CurveDataCount(), [&](std::uint64_t i) {
                return CurveDataDescriber::Describe(
                    curve.CurveDataAt(static_cast<std::uint32_t>(i)));
            }));
}

} // namespace Orvik::Inspect
