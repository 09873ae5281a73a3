#include "BuildingSample.h"

namespace Orvik::Sample {
namespace {

using Writer::XmlDocumentBuilder;

constexpr const char* kOwnerHistory = "history-1";
constexpr const char* kWallType = "group-wall-type";

// A box of the given size as a stream mesh: eight corners, six quads.
Writer::StreamMesh Box(double x, double y, double z) {
    Writer::StreamMesh mesh;
    mesh.positions = {{0, 0, 0}, {x, 0, 0}, {x, y, 0}, {0, y, 0},
                      {0, 0, z}, {x, 0, z}, {x, y, z}, {0, y, z}};
    mesh.polygons = {{{0, 3, 2, 1}, {}}, {{4, 5, 6, 7}, {}}, {{0, 1, 5, 4}, {}},
                     {{1, 2, 6, 5}, {}}, {{2, 3, 7, 6}, {}}, {{3, 0, 4, 7}, {}}};
    return mesh;
}

// A visible instance of the placed object, left open for what else it carries.
void OpenInstance(XmlDocumentBuilder& b, const char* id, const char* label, const char* placed,
                  const char* transform) {
    b.Open("IInstance")
        .Attribute("ID", id)
        .Attribute("Label", label)
        .Attribute("Visibility", "1")
        .Attribute("NetVisibility", "1");
    b.Element("Child", {{"ID", placed}, {"Transformation", transform}});
}

void OwnerHistory(XmlDocumentBuilder& b) {
    b.Element("OwnerHistory", {{"HistoryContextIdRef", kOwnerHistory}});
}

} // namespace

void BuildingSample::WriteInstance(XmlDocumentBuilder& b) {
    OpenInstance(b, "inst-storey", "Ground floor", "asm-storey", "1 0 0 0 0 1 0 -500 0 0 1 0");
    b.Close();
}

void BuildingSample::WriteElements(XmlDocumentBuilder& b) {
    b.Open("IAssembly").Attribute("ID", "asm-storey").Attribute("Label", "Ground floor");
    WriteAttributeSet(b);
    b.Open("ChildSet");
    WriteWallInstance(b, "inst-wall-1", "North wall", "1 0 0 0 0 1 0 0 0 0 1 0", nullptr);
    WriteWallInstance(b, "inst-wall-2", "West wall", "0 -1 0 0 1 0 0 0 0 0 1 0", "LOADBEARING");
    WriteOpening(b);
    b.Close().Close();

    b.Open("IPart").Attribute("ID", "part-wall").Attribute("Label", "Wall W1");
    b.Open("ChildSet");
    b.Element("IPolygonMesh",
              {{"ID", "mesh-wall-coarse"}, {"LODID", "lod-coarse"}, {"Visibility", "True"}});
    b.Element("IPolygonMesh",
              {{"ID", "mesh-wall-fine"}, {"LODID", "lod-fine"}, {"Visibility", "True"}});
    b.Close().Close();
}

void BuildingSample::WriteAttributeSet(XmlDocumentBuilder& b) {
    b.Open("AttributeSet");
    b.Open("GroupSet");
    WriteWallType(b);
    b.Close();
    b.Open("LayerSet");
    b.Open("ILayer").Attribute("ID", "7").Attribute("Label", "A-WALL");
    b.Element("LayerInfo", {{"Description", "Walls"}, {"Visibility", "True"}});
    b.Element("GeometryItems", {{"Items", "inst-wall-1,inst-wall-2"}});
    b.TextElement("ChangeKey", "layer-7-rev-2");
    b.Close();
    b.Open("ILayer")
        .Attribute("ID", "12")
        .Attribute("Label", "A-OPENING")
        .Attribute("Description", "Openings, hidden in plans")
        .Attribute("Visibility", "False")
        .Attribute("VersionPersistentId", "layer-openings");
    b.Element("GeometryItems", {{"Items", "override-opening"}});
    b.Close();
    b.Close();
    b.Open("LodSet");
    b.Element("ILod", {{"ID", "lod-coarse"}, {"Label", "Coarse"}, {"Description", "For plans"}});
    b.Element("ILod", {{"ID", "lod-fine"},
                       {"Label", "Fine"},
                       {"Description", "For renderings"},
                       {"VersionPersistentId", "lod-fine-v1"}});
    b.Close();
    b.Close();
}

void BuildingSample::WriteWallType(XmlDocumentBuilder& b) {
    b.Open("IGroup").Attribute("ID", kWallType).Attribute("Label", "Wall type W1");
    b.TextElement("Description", "Exterior wall, 300 mm concrete");
    b.Element("GeometryItems", {{"Items", "mesh-wall-coarse,mesh-wall-fine"}});
    b.Open("IAECTypeObjectData")
        .Attribute("DomainDataTypeId", "IfcWallType")
        .Attribute("OwnerObjectId", kWallType)
        .Attribute("DomainDataSourceType", "IFC4")
        .Attribute("DomainDataSubTypeId", "STANDARD");
    b.Open("SharedGeometryComponentIdSet")
        .Element("SharedGeometryComponentId", {{"ID", "part-wall"}})
        .Close();
    OwnerHistory(b);
    b.Close();
    b.Close();
}

void BuildingSample::WriteWallInstance(XmlDocumentBuilder& b, const char* id, const char* label,
                                       const char* transform, const char* subType) {
    OpenInstance(b, id, label, "part-wall", transform);
    b.Open("IAECObjectData")
        .Attribute("DomainDataTypeId", "IfcWall")
        .Attribute("OwnerObjectId", id)
        .Attribute("DomainDataSourceType", "IFC4")
        .Attribute("TypeObjectId", kWallType);
    if (subType != nullptr)
        b.Attribute("DomainDataSubTypeId", subType);
    OwnerHistory(b);
    b.Close();
    b.Close();
}

void BuildingSample::WriteOpening(XmlDocumentBuilder& b) {
    b.Open("IAssemblyFeatureOverride")
        .Attribute("ID", "override-opening")
        .Attribute("Label", "Door opening")
        .Attribute("Visibility", "True")
        .Attribute("VersionPersistentId", "opening-v3");
    b.Open("BaseOccPaths")
        .Element("BaseOccPath", {{"Path", "[inst-storey][inst-wall-1]"}})
        .Element("BaseOccPath", {{"Path", "[inst-storey][inst-wall-2]"}})
        .Close();
    b.Open("ChildSet");
    b.Element("IBrep", {{"ID", "body-opening"}, {"Label", "Opening cut"}, {"Visibility", "1"}});
    b.Element("IPolygonMesh",
              {{"ID", "mesh-opening"}, {"LODID", "lod-fine"}, {"Visibility", "True"}});
    b.Close();
    b.TextElement("ChangeKey", "opening-rev-3");
    b.Close();
}

void BuildingSample::AddMeshes(Writer::GeometryStreamWriter& stream) {
    stream.AddMesh("mesh-wall-coarse", Box(5000, 300, 2800));
    stream.AddMesh("mesh-wall-fine", Box(5000, 300, 2800));
    stream.AddMesh("mesh-opening", Box(1000, 300, 2100));
}

Writer::BodyFileWriter::Body BuildingSample::OpeningBody() {
    return {"body-opening", {"face-opening-left", "face-opening-right", "face-opening-top"}, {}};
}

} // namespace Orvik::Sample
