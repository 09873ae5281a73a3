#include "ObjectDescriber.h"

#include "CurveDataDescriber.h"
#include "ValueFormatter.h"
#include "veld/BODY.h"

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

void ObjectDescriber::Visit(IFile& file) {
    Begin(file, "IFile");
    DescribeAttributeSets(file);
    DescribeUnits(file);
    m_fields.Set("FileProperties", FilePropertiesValue(file.FileProperties()));
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

void ObjectDescriber::Visit(IAssembly& assembly) {
    Begin(assembly, "IAssembly");
    DescribeAttributeSets(assembly);
    DescribeUnits(assembly);
    DescribeComponentOperations(assembly);
    m_fields.Set("ChildCount", assembly.ChildCount());
    JsonValue children = JsonValue::Array();
    for (std::uint64_t i = 0; i < assembly.ChildCount(); ++i)
        children.Append(ChildIdValue(assembly.ChildAt(i)));
    m_fields.Set("ChildAt", std::move(children));
    DescribeCrossLevelAttributes(assembly);
}

void ObjectDescriber::Visit(IPart& part) {
    Begin(part, "IPart");
    DescribeAttributeSets(part);
    DescribeUnits(part);
    DescribeComponentOperations(part);
    m_fields.Set("ChildCount", part.ChildCount());
    JsonValue children = JsonValue::Array();
    for (std::uint64_t i = 0; i < part.ChildCount(); ++i)
        children.Append(ChildIdValue(part.ChildAt(i)));
    m_fields.Set("ChildAt", std::move(children));
}

void ObjectDescriber::Visit(IInstance& instance) {
    Begin(instance, "IInstance");
    DescribeUnits(instance);
    m_fields.Set("Transform", ValueFormatter::Matrix(instance.Transform()));
    m_fields.Set("InstanceChild", ChildIdValue(instance.InstanceChild()));
    UTF8String configId;
    if (instance.InstanceChildConfigId(configId) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("InstanceChildConfigId", ValueFormatter::Text(configId));
    m_fields.Set("IsVisible", instance.IsVisible());
    m_fields.Set("IsNetVisible", instance.IsNetVisible());
    DescribeIds("Styles", instance.Styles());
    DescribeIds("NetStyles", instance.NetStyles());
    DescribeIds("Materials", instance.Materials());
}

void ObjectDescriber::Visit(IBrep& brep) {
    Begin(brep, "IBrep");
    DescribeUnits(brep);
    DescribeBrepGeometry(brep);
    DescribeBrepBody(brep);
    DescribeBrepSubEntities(brep);
}

void ObjectDescriber::DescribeGeometry(const IGeometry& geometry, bool hasTransform) {
    if (hasTransform)
        m_fields.Set("Transform", ValueFormatter::Matrix(geometry.Transform()));
    m_fields.Set("IsVisible", geometry.IsVisible());
    m_fields.Set("IsNetVisible", geometry.IsNetVisible());
    m_fields.Set("AngularTolerance", geometry.AngularTolerance());
    m_fields.Set("LinearTolerance", geometry.LinearTolerance());
    m_fields.Set("ParamTolerance", geometry.ParamTolerance());
    DescribeIds("Styles", geometry.Styles());
    DescribeIds("NetStyles", geometry.NetStyles());
    DescribeIds("Materials", geometry.Materials());
}

void ObjectDescriber::DescribeBrepGeometry(const IBrep& brep) {
    DescribeGeometry(brep, true);
    m_fields.Set("SrcGeomType", static_cast<int>(brep.SrcGeomType()));
}

void ObjectDescriber::DescribeBrepBody(const IBrep& brep) {
    const Veld::BODY* body = brep.Body();
    m_fields.Set("Body", body != nullptr);
    m_fields.Set("BodyDI", ValueFormatter::Text(brep.BodyDI()));
    if (body == nullptr)
        return;
    m_fields.Set("FaceCount", static_cast<std::uint64_t>(body->face_count()));
    m_fields.Set("EdgeCount", static_cast<std::uint64_t>(body->edge_count()));
}

void ObjectDescriber::DescribeBrepSubEntities(const IBrep& brep) {
    JsonValue styles = JsonValue::Object();
    if (const SubEntityToStylesMap* map = brep.StylesMap()) {
        for (const auto& entry : map->Styles()) {
            styles.Set(entry.first.Value(), ValueFormatter::Ids(entry.second));
            for (const UTF8String& id : entry.second)
                Refer(id);
        }
    }
    m_fields.Set("StylesMap", std::move(styles));
    JsonValue ids = JsonValue::Object();
    if (const EditableDataIdToPersistentIdMap* map = brep.PersistentIDsMap())
        for (const auto& entry : map->Ids())
            ids.Set(entry.first.Value(), ValueFormatter::Text(entry.second));
    m_fields.Set("PersistentIDsMap", std::move(ids));
}

void ObjectDescriber::Visit(IPolygonMesh& mesh) {
    Begin(mesh, "IPolygonMesh");
    DescribeMesh(mesh);
}

void ObjectDescriber::Visit(ISubdivMesh& mesh) {
    Begin(mesh, "ISubdivMesh");
    DescribeMesh(mesh);
    JsonValue creases = JsonValue::Array();
    for (const SubdivCrease& crease : mesh.Creases()) {
        JsonValue entry = JsonValue::Array();
        entry.Append(crease.From());
        entry.Append(crease.To());
        entry.Append(crease.Sharpness());
        creases.Append(std::move(entry));
    }
    m_fields.Set("Creases", std::move(creases));
}

void ObjectDescriber::DescribeMesh(const IPolygonMesh& mesh) {
    DescribeUnits(mesh);
    m_fields.Set("Transform", ValueFormatter::Matrix(mesh.Transform()));
    m_fields.Set("IsVisible", mesh.IsVisible());
    DescribeIds("Styles", mesh.Styles());
    DescribeIds("Materials", mesh.Materials());
    m_fields.Set("LodId", ValueFormatter::Text(mesh.LodId()));
    m_fields.Set("MeshType", static_cast<int>(mesh.MeshType()));
    m_fields.Set("MeshOrientation", static_cast<int>(mesh.MeshOrientation()));
    bool singleSided = false;
    if (mesh.IsSingleSided(singleSided) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("IsSingleSided", singleSided);
    m_fields.Set("VertexCount", static_cast<std::uint64_t>(mesh.Vertices().size()));
    m_fields.Set("PolygonCount", static_cast<std::uint64_t>(mesh.Polygons().size()));
    m_fields.Set("FaceSegmentCount", static_cast<std::uint64_t>(mesh.FaceSegments().size()));
    m_fields.Set("EdgeSegmentCount", static_cast<std::uint64_t>(mesh.EdgeSegments().size()));
    DescribeMeshGeometry(mesh);
    DescribeMeshSegments(mesh);
}

namespace {

JsonValue IndexList(const std::vector<std::uint32_t>& indices) {
    JsonValue list = JsonValue::Array();
    for (std::uint32_t index : indices)
        list.Append(index);
    return list;
}

template <typename Item, typename Format>
JsonValue ListOf(const std::vector<Item>& items, Format format) {
    JsonValue list = JsonValue::Array();
    for (const Item& item : items)
        list.Append(format(item));
    return list;
}

} // namespace

void ObjectDescriber::DescribeMeshGeometry(const IPolygonMesh& mesh) {
    m_fields.Set("Vertices",
                 ListOf(mesh.Vertices(), [](const Position& p) { return ValueFormatter::Xyz(p); }));
    m_fields.Set("Normals",
                 ListOf(mesh.Normals(), [](const Vector& v) { return ValueFormatter::Xyz(v); }));
    m_fields.Set("TextureCoordinates", ListOf(mesh.TextureCoordinates(), [](const auto& t) {
                     JsonValue uv = JsonValue::Array();
                     uv.Append(t.U());
                     uv.Append(t.V());
                     return uv;
                 }));
    m_fields.Set("Polygons", ListOf(mesh.Polygons(), [](const MeshPolygon& polygon) {
                     JsonValue loops = JsonValue::Array();
                     loops.Append(IndexList(polygon.OuterLoop().Indices()));
                     for (const VertexIndexSet& inner : polygon.InnerLoops())
                         loops.Append(IndexList(inner.Indices()));
                     return loops;
                 }));
    JsonValue styles = JsonValue::Object();
    for (const auto& entry : mesh.PolygonStyles().Styles()) {
        styles.Set(entry.first.Value(), ValueFormatter::Ids(entry.second));
        for (const UTF8String& id : entry.second)
            Refer(id);
    }
    m_fields.Set("PolygonStyles", std::move(styles));
}

void ObjectDescriber::DescribeMeshSegments(const IPolygonMesh& mesh) {
    m_fields.Set("HasFaceSegmentVisibility", mesh.HasFaceSegmentVisibility());
    m_fields.Set("FaceSegments", ListOf(mesh.FaceSegments(), [](const FaceSegmentInfo& face) {
                     JsonValue entry = JsonValue::Object();
                     entry.Set("polygons", IndexList(face.Polygons().Indices()));
                     entry.Set("visible", face.IsVisible());
                     return entry;
                 }));
    m_fields.Set("EdgeSegments", ListOf(mesh.EdgeSegments(), [](const EdgeSegmentInfo& edge) {
                     return IndexList(edge.Vertices().Indices());
                 }));
}

void ObjectDescriber::Visit(ICurve& curve) {
    Begin(curve, "ICurve");
    DescribeUnits(curve);
    DescribeCurveGeometry(curve);
    std::vector<const Veld::curve*> kernelCurves;
    curve.KernelCurves(kernelCurves);
    m_fields.Set("KernelCurveCount", static_cast<std::uint64_t>(kernelCurves.size()));
    m_fields.Set("CurveDataCount", curve.CurveDataCount());
    JsonValue records = JsonValue::Array();
    for (std::uint32_t i = 0; i < curve.CurveDataCount(); ++i)
        records.Append(CurveDataDescriber::Describe(curve.CurveDataAt(i)));
    m_fields.Set("CurveDataAt", std::move(records));
}

void ObjectDescriber::DescribeCurveGeometry(const ICurve& curve) {
    DescribeGeometry(curve, curve.HasTransform());
}

namespace {

template <typename Object, typename Query>
JsonValue XyzOf(const Object& object, Query query) {
    double x = 0.0, y = 0.0, z = 0.0;
    (object.*query)(x, y, z);
    return ValueFormatter::Xyz(Position(x, y, z));
}

} // namespace

void ObjectDescriber::DescribeReferenceGeometry(const IGeometry& geometry) {
    DescribeUnits(geometry);
    DescribeGeometry(geometry, true);
}

void ObjectDescriber::Visit(IPoint& point) {
    Begin(point, "IPoint");
    DescribeReferenceGeometry(point);
    m_fields.Set("Position", ValueFormatter::Xyz(Position(point.X(), point.Y(), point.Z())));
    m_fields.Set("IsGraphicPMI_ex", point.IsGraphicPMI_ex());
    m_fields.Set("MarkerType", point.MarkerType());
    m_fields.Set("MarkerName", ValueFormatter::Text(point.MarkerName()));
    m_fields.Set("MarkerSize", point.MarkerSize());
}

void ObjectDescriber::Visit(IPointCloud& cloud) {
    Begin(cloud, "IPointCloud");
    DescribeReferenceGeometry(cloud);
    m_fields.Set("PointCount", cloud.PointCount());
    JsonValue points = JsonValue::Array();
    for (std::uint64_t i = 0; i < cloud.PointCount(); ++i) {
        double x = 0.0, y = 0.0, z = 0.0;
        cloud.PointAt(i, x, y, z);
        points.Append(ValueFormatter::Xyz(Position(x, y, z)));
    }
    m_fields.Set("PointAt", std::move(points));
}

void ObjectDescriber::Visit(ICoordSys& coordSys) {
    Begin(coordSys, "ICoordSys");
    DescribeReferenceGeometry(coordSys);
    m_fields.Set("Origin", XyzOf(coordSys, &ICoordSys::Origin));
    m_fields.Set("XAxis", XyzOf(coordSys, &ICoordSys::XAxis));
    m_fields.Set("YAxis", XyzOf(coordSys, &ICoordSys::YAxis));
}

void ObjectDescriber::Visit(IWorkAxis& axis) {
    Begin(axis, "IWorkAxis");
    DescribeReferenceGeometry(axis);
    m_fields.Set("StartPoint", XyzOf(axis, &IWorkAxis::StartPoint));
    m_fields.Set("Axis", XyzOf(axis, &IWorkAxis::Axis));
    m_fields.Set("EndPoint", XyzOf(axis, &IWorkAxis::EndPoint));
}

void ObjectDescriber::Visit(IWorkPlane& plane) {
    Begin(plane, "IWorkPlane");
    DescribeReferenceGeometry(plane);
    m_fields.Set("Origin", XyzOf(plane, &IWorkPlane::Origin));
    m_fields.Set("Normal", XyzOf(plane, &IWorkPlane::Normal));
    double x = 0.0, y = 0.0, z = 0.0;
    if (plane.ReferenceDirection(x, y, z) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("ReferenceDirection", ValueFormatter::Xyz(Position(x, y, z)));
    double maxX = 0.0, maxY = 0.0, maxZ = 0.0;
    if (plane.DisplayRange(x, y, z, maxX, maxY, maxZ) == IsValueSpecifiedEnum::kSpecified) {
        JsonValue range = JsonValue::Object();
        range.Set("min", ValueFormatter::Xyz(Position(x, y, z)));
        range.Set("max", ValueFormatter::Xyz(Position(maxX, maxY, maxZ)));
        m_fields.Set("DisplayRange", std::move(range));
    }
}

void ObjectDescriber::Visit(IWorkPoint& point) {
    Begin(point, "IWorkPoint");
    DescribeReferenceGeometry(point);
    m_fields.Set("Point", XyzOf(point, &IWorkPoint::Point));
}

template <typename ChildId>
JsonValue ObjectDescriber::ChildIdValue(const ChildId& child) {
    if (child.IsEmpty())
        return nullptr;
    Refer(child.Id());
    return ValueFormatter::Text(child.Id());
}

void ObjectDescriber::DescribeIds(const char* name, const IdSet& ids) {
    m_fields.Set(name, ValueFormatter::Ids(ids));
    for (const UTF8String& id : ids)
        Refer(id);
}

void ObjectDescriber::DescribeAttributeSets(const IAttributeSets& sets) {
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

void ObjectDescriber::DescribeUnits(const IUnit& unit) {
    UnitTypeEnum value = UnitTypeEnum::kUnitType_Unknown;
    if (unit.LengthUnit(value) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("LengthUnit", ValueFormatter::Unit(value));
    if (unit.DisplayAngleUnit(value) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("DisplayAngleUnit", ValueFormatter::Unit(value));
    if (unit.DisplayLengthUnit(value) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("DisplayLengthUnit", ValueFormatter::Unit(value));
}

void ObjectDescriber::DescribeComponentOperations(const IComponent& component) {
    m_fields.Set("FileProperties", FilePropertiesValue(component.FileProperties()));
    DescribeIds("Styles", component.Styles());
    m_fields.Set("IsSingleUnderRoot", component.IsSingleUnderRoot());
    DescribeIds("ConfigSet", component.ConfigSet());
    UTF8String configId;
    if (component.DefaultConfigId(configId) == IsValueSpecifiedEnum::kSpecified)
        m_fields.Set("DefaultConfigId", ValueFormatter::Text(configId));
    DescribeIds("Materials", component.Materials());
}

void ObjectDescriber::DescribeCrossLevelAttributes(const IAssembly& assembly) {
    IdSet path;
    m_fields.Set("EntityVisibilityCount", assembly.EntityVisibilityCount());
    JsonValue visibilities = JsonValue::Array();
    for (std::uint64_t i = 0; i < assembly.EntityVisibilityCount(); ++i) {
        bool visible = false;
        assembly.EntityVisibilityAt(i, path, visible);
        JsonValue entry = JsonValue::Object();
        entry.Set("path", ValueFormatter::Ids(path));
        entry.Set("visible", visible);
        visibilities.Append(std::move(entry));
    }
    m_fields.Set("EntityVisibilityAt", std::move(visibilities));
    m_fields.Set("EntityStylesCount", assembly.EntityStylesCount());
    JsonValue styles = JsonValue::Array();
    for (std::uint64_t i = 0; i < assembly.EntityStylesCount(); ++i) {
        IdSet styleIds;
        assembly.EntityStylesAt(i, path, styleIds);
        JsonValue entry = JsonValue::Object();
        entry.Set("path", ValueFormatter::Ids(path));
        entry.Set("styles", ValueFormatter::Ids(styleIds));
        for (const UTF8String& id : styleIds)
            Refer(id);
        styles.Append(std::move(entry));
    }
    m_fields.Set("EntityStylesAt", std::move(styles));
    m_fields.Set("EntityTransformationCount", assembly.EntityTransformationCount());
    JsonValue transformations = JsonValue::Array();
    for (std::uint64_t i = 0; i < assembly.EntityTransformationCount(); ++i) {
        Matrix3d transform;
        assembly.EntityTransformationAt(i, path, transform);
        JsonValue entry = JsonValue::Object();
        entry.Set("path", ValueFormatter::Ids(path));
        entry.Set("transform", ValueFormatter::Matrix(transform));
        transformations.Append(std::move(entry));
    }
    m_fields.Set("EntityTransformationAt", std::move(transformations));
}

JsonValue ObjectDescriber::FilePropertiesValue(const FileProperties* properties) {
    if (properties == nullptr)
        return nullptr;
    JsonValue fields = JsonValue::Object();
    const auto text = [&](const char* name, auto operation) {
        UTF16String value;
        if ((properties->*operation)(value) == IsValueSpecifiedEnum::kSpecified)
            fields.Set(name, ValueFormatter::Text(value));
    };
    const auto unit = [&](const char* name, auto operation) {
        UnitTypeEnum value = UnitTypeEnum::kUnitType_Unknown;
        if ((properties->*operation)(value) == IsValueSpecifiedEnum::kSpecified)
            fields.Set(name, ValueFormatter::Unit(value));
    };
    text("Title", &FileProperties::Title);
    text("Author", &FileProperties::Author);
    text("Organization", &FileProperties::Organization);
    text("Description", &FileProperties::Description);
    text("SendingSystem", &FileProperties::SendingSystem);
    text("PartNumber", &FileProperties::PartNumber);
    text("Revision", &FileProperties::Revision);
    text("Preprocessor", &FileProperties::Preprocessor);
    Time created;
    if (properties->CreationDate(created) == IsValueSpecifiedEnum::kSpecified)
        fields.Set("CreationDate", ValueFormatter::TimeText(created));
    text("Authorisation", &FileProperties::Authorisation);
    unit("MassUnit", &FileProperties::MassUnit);
    unit("TimeUnit", &FileProperties::TimeUnit);
    fields.Set("CustomPropertyCount", properties->CustomPropertyCount());
    JsonValue custom = JsonValue::Array();
    for (std::uint32_t i = 0; i < properties->CustomPropertyCount(); ++i) {
        CustomProperty property;
        JsonValue entry = JsonValue::Object();
        if (properties->CustomPropertyAt(i, property) == IsValueSpecifiedEnum::kSpecified) {
            entry.Set("key", ValueFormatter::Text(property.Key()));
            entry.Set("value", ValueFormatter::Value(property.Value()));
        }
        custom.Append(std::move(entry));
    }
    fields.Set("CustomPropertyAt", std::move(custom));
    return fields;
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

void ObjectDescriber::DescribeGroupGeometry(const IGeometry& geometry, bool hasTransform) {
    DescribeUnits(geometry);
    DescribeGeometry(geometry, hasTransform);
}

void ObjectDescriber::Visit(IGeometricSet& set) {
    Begin(set, "IGeometricSet");
    DescribeGroupGeometry(set, set.HasTransform());
    m_fields.Set("ChildCount", set.ChildCount());
    JsonValue children = JsonValue::Array();
    for (std::uint64_t i = 0; i < set.ChildCount(); ++i)
        children.Append(ChildIdValue(set.ChildAt(i)));
    m_fields.Set("ChildAt", std::move(children));
}

void ObjectDescriber::Visit(IExtensionGeometry& geometry) {
    Begin(geometry, "IExtensionGeometry");
    DescribeGroupGeometry(geometry, geometry.HasTransform());
    m_fields.Set("ChildCount", geometry.ChildCount());
    JsonValue children = JsonValue::Array();
    for (std::uint64_t i = 0; i < geometry.ChildCount(); ++i)
        children.Append(ChildIdValue(geometry.ChildAt(i)));
    m_fields.Set("ChildAt", std::move(children));
}

void ObjectDescriber::Visit(ISketch& sketch) {
    Begin(sketch, "ISketch");
    DescribeGroupGeometry(sketch, sketch.HasTransform());
    switch (sketch.SketchType()) {
    case ISketch::kSketchType_2D:
        m_fields.Set("SketchType", "kSketchType_2D");
        break;
    case ISketch::kSketchType_3D:
        m_fields.Set("SketchType", "kSketchType_3D");
        break;
    default:
        m_fields.Set("SketchType", nullptr);
    }
    DescribeIds("CurveIds", sketch.CurveIds());
    DescribeIds("ChildIds", sketch.ChildIds());
    m_fields.Set("TotalCount", sketch.TotalCount());
    JsonValue ids = JsonValue::Array();
    for (std::uint64_t i = 0; i < sketch.TotalCount(); ++i)
        ids.Append(ValueFormatter::Text(sketch.IdAt(i)));
    m_fields.Set("IdAt", std::move(ids));
}

} // namespace Orvik::Inspect
