#include "SampleDocument.h"

#include "AnnotationSample.h"
#include "BuildingSample.h"
#include "PresentationSample.h"
#include "SceneSample.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/CFile.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/MeshSegmentFileWriter.h"
#include "orvik/writer/PropertyFileWriter.h"
#include "orvik/writer/SubdivMeshFileWriter.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"

#include <filesystem>

namespace Orvik::Sample {
namespace {

using Writer::XmlDocumentBuilder;

constexpr const char* kThumbnailFile = "thumbnail.bin";

std::string Thumbnail() {
    return std::string("\x89THUMB\0\x01\x02", 9);
}

void WriteOwnerHistory(XmlDocumentBuilder& b) {
    b.Open("AECProjectHistoryContext");
    b.Open("OrganizationSet").Open("OrganizationData");
    b.Attribute("HistoryContextId", "org-1")
        .Attribute("Name", "Northwind Architects")
        .Attribute("Identification", "NWA");
    b.Open("AddressSet").Open("AddressData");
    b.Attribute("AddressType", "PostalAddressData")
        .Attribute("Purpose", "kOffice")
        .Attribute("Town", "Aarhus")
        .Attribute("Country", "Denmark");
    b.Open("AddressLinesSet").TextElement("AddressLine", "Havnegade 4").Close();
    b.Close().Close();
    b.Open("RoleSet").Element("RoleData", {{"Role", "kArchitect"}}).Close();
    b.Close().Close();
    b.Open("ApplicationSet").Open("ApplicationData");
    b.Attribute("HistoryContextId", "app-1")
        .Attribute("FullName", "Sample generator")
        .Attribute("Identifier", "orvik-xml-sample")
        .Attribute("Version", "1.0");
    b.Element("ApplicationDeveloper", {{"HistoryContextIdRef", "org-1"}});
    b.Close().Close();
    b.Open("PersonSet")
        .Element("PersonData", {{"HistoryContextId", "person-1"},
                                {"GivenName", "Ada"},
                                {"FamilyName", "Berg"},
                                {"Identification", "AB"}})
        .Close();
    b.Open("OwnerHistorySet").Open("OwnerHistoryData");
    b.Attribute("HistoryContextId", "history-1")
        .Attribute("CreationDate", "2026-01-10T10:00:00Z")
        .Attribute("LastModifiedDate", "2026-01-15T09:30:00Z")
        .Attribute("State", "kReadWrite")
        .Attribute("ChangeAction", "kModified");
    b.Element("OwningOrganization", {{"HistoryContextIdRef", "org-1"}});
    b.Element("OwningApplication", {{"HistoryContextIdRef", "app-1"}});
    b.Element("OwningPerson", {{"HistoryContextIdRef", "person-1"}});
    b.Close().Close();
    b.Close();
}

void WriteProjectContext(XmlDocumentBuilder& b) {
    b.Open("IAECProjectContext");
    b.Open("Units")
        .Element("ParameterTypeId", {{"ID", "length"}})
        .Element("ParameterTypeId", {{"ID", "area"}})
        .Close();
    WriteOwnerHistory(b);
    b.Close();
}

void WriteProperties(const std::string& path) {
    Writer::PropertyFileWriter properties;
    properties.AddString("part-shaft", "Material", "Steel");
    properties.AddDouble("part-shaft", "Mass", 2.75);
    properties.AddString("asm-1", "Supplier", "Northwind");
    properties.Write(path);
}

// Side files of the geometry: kernel bodies (text and binary), the mesh and curve stream, mesh
// segments and a subdivision mesh.
constexpr const char* kShaftBodies = "shaft.sat";
constexpr const char* kCoverBodies = "cover.sab";
constexpr const char* kGeometryStream = "geometry.bin";
constexpr const char* kMeshSegments = "segments.bin";
constexpr const char* kSubdivMeshes = "subdiv.bin";

void WriteBodies(const std::string& folder) {
    using Writer::BodyFileWriter;
    BodyFileWriter::Line axis;
    axis.direction = {0.0, 0.0, 1.0};
    axis.end = 120.0;
    BodyFileWriter::Ellipse rim;
    rim.ratio = 1.0;
    rim.majorAxis = {12.0, 0.0, 0.0};
    BodyFileWriter()
        .AddBody({"body-shaft",
                  {"face-shaft-side", "face-shaft-top", "face-shaft-bottom"},
                  {{"", "edge-1", axis}, {"", "edge-2", rim}}})
        .AddEdge({"edge-shaft-axis", "axis", axis})
        .AddBody(BuildingSample::OpeningBody())
        .WriteText(folder + "/" + kShaftBodies);
    BodyFileWriter::Nurbs arc;
    arc.degree = 2;
    arc.rational = true;
    arc.controlPoints = {{0, 0, 0}, {10, 10, 0}, {20, 0, 0}};
    arc.weights = {1.0, 0.7071067811865476, 1.0};
    arc.knots = {0, 0, 0, 1, 1, 1};
    BodyFileWriter()
        .AddBody({"body-cover",
                  {"face-cover-top", "face-cover-bottom"},
                  {{"edge-cover-arc", "edge-1", arc}}})
        .WriteBinary(folder + "/" + kCoverBodies);
}

Writer::StreamMesh Quad(double size) {
    Writer::StreamMesh mesh;
    mesh.positions = {{0, 0, 0}, {size, 0, 0}, {size, size, 0}, {0, size, 0}, {0, 0, size}};
    mesh.normals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    mesh.textureCoordinates = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0.5}};
    mesh.polygons = {{{0, 1, 2}, {}}, {{0, 2, 3}, {}}, {{0, 1, 4}, {}}};
    return mesh;
}

void WriteGeometryStream(const std::string& folder) {
    using Writer::CurveRecordWriter;
    Writer::GeometryStreamWriter stream(false, false);
    stream.AddMesh("mesh-base", Quad(40.0));
    stream.AddMesh("mesh-cover-fine", Quad(25.0));
    BuildingSample::AddMeshes(stream);
    stream.AddCurveRecord("curve-line", CurveRecordWriter::kLine,
                          CurveRecordWriter::Line({0, 0, 0}, {1, 0, 0}, 0.0, 40.0));
    stream.AddCurveRecord("curve-ray", CurveRecordWriter::kRay,
                          CurveRecordWriter::Ray({0, 0, 5}, {0, 1, 0}));
    CurveRecordWriter::EllipseValues ellipse;
    ellipse.closed = true;
    ellipse.center = {20, 20, 0};
    ellipse.majorAxis = {8, 0, 0};
    ellipse.ratio = 0.5;
    ellipse.t1 = 6.283185307179586;
    stream.AddCurveRecord("curve-ellipse", CurveRecordWriter::kEllipse,
                          CurveRecordWriter::Ellipse(ellipse));
    CurveRecordWriter::PolylineValues outline;
    outline.closed = true;
    outline.points = {{0, 0, 0}, {40, 0, 0}, {40, 40, 0}, {0, 40, 0}};
    stream.AddCurveRecord("curve-outline", CurveRecordWriter::kPolyline,
                          CurveRecordWriter::Polyline(outline));
    CurveRecordWriter::CompositeValues slot;
    slot.entries = {{CurveRecordWriter::kLine, "slot-side",
                     CurveRecordWriter::Line({5, 5, 0}, {1, 0, 0}, 0.0, 10.0)},
                    {CurveRecordWriter::kLine, "", "", false, 0.0, 0.0, 0}};
    stream.AddCurveRecord("curve-slot", CurveRecordWriter::kComposite,
                          CurveRecordWriter::Composite(slot));
    CurveRecordWriter::NurbsValues spline;
    spline.degree = 2;
    spline.knots = {0, 0, 0, 1, 1, 1};
    spline.controlPoints = {{0, 0, 0}, {10, 15, 0}, {20, 0, 0}};
    stream.AddCurveRecord("curve-spline", CurveRecordWriter::kNurbs,
                          CurveRecordWriter::Nurbs(spline));
    AnnotationSample::AddGeometry(stream);
    stream.WriteTo(folder + "/" + kGeometryStream);

    Writer::MeshSegmentFileWriter segments;
    segments.AddMesh("mesh-base", {{0, 1}, {2}}, {true, false}, {{0, 1, 2}});
    segments.AddIdOnly("mesh-cover-fine");
    segments.WriteTo(folder + "/" + kMeshSegments);

    Writer::SubdivMeshFileWriter subdivision;
    subdivision.AddMesh("mesh-cover-fine", {{0, 1, 2.5}, {1, 2, 1.0}});
    subdivision.WriteTo(folder + "/" + kSubdivMeshes);
}

void WriteSideFileSections(XmlDocumentBuilder& b) {
    b.Element("SatInfo", {{"Path", kShaftBodies}});
    b.Element("SatInfo", {{"Path", kCoverBodies}});
    b.Element("SubdivMeshInfo", {{"GenerateSubdivMesh", "True"}, {"Path", kSubdivMeshes}});
    b.Element("MeshInfo", {{"GenerateMesh", "True"}, {"Path", kGeometryStream}});
    b.Element("MeshSegmentInfo", {{"GenerateMeshSegment", "True"}, {"Path", kMeshSegments}});
    b.Element("PropertyInfo", {{"Path", ""}});
    SceneSample::WriteSection(b);
    PresentationSample::WriteSection(b);
}

void WriteUniverse(XmlDocumentBuilder& b) {
    b.Open("IUniverse");
    b.Open("ViewData")
        .TextElement("UpVector", "0,0,1")
        .TextElement("FrontVector", "0,-1,0")
        .TextElement("NorthVector", "0,1,0")
        .Close();
    b.Element("DefaultCurveColor",
              {{"FractionRed", "0.1"}, {"FractionGreen", "0.2"}, {"FractionBlue", "0.3"}});
    b.Element("DefaultSurfaceColor", {{"FractionRed", "0.8"},
                                      {"FractionGreen", "0.8"},
                                      {"FractionBlue", "0.75"},
                                      {"FractionAlpha", "0.5"}});
    b.Element("TextureUVOriginTypeNode",
              {{"TextureUVOriginType", "kTextureUVOriginType_BottomLeft"}});
    b.Open("CustomData")
        .Element("CustomDataItem", {{"Type", "1"}, {"Key", "Revision"}, {"Value", "7"}})
        .Element("CustomDataItem", {{"Type", "2"}, {"Key", "Serial"}, {"Value", "9000000001"}})
        .Element("CustomDataItem", {{"Type", "3"}, {"Key", "Released"}, {"Value", "True"}})
        .Element("CustomDataItem", {{"Type", "4"}, {"Key", "Scale"}, {"Value", "0.5"}})
        .Element("CustomDataItem", {{"Type", "5"}, {"Key", "Project"}, {"Value", "Gearbox"}})
        .Element("CustomDataItem", {{"Type", "6"}, {"Key", "Site"}, {"Value", "Halle 3"}})
        .Element("CustomDataItem",
                 {{"Type", "7"}, {"Key", "Issued"}, {"Value", "2026-02-01T08:00:00Z"}})
        .Element("CustomDataItem", {{"Type", "8"},
                                    {"Key", "Thumbnail"},
                                    {"Path", kThumbnailFile},
                                    {"BlobBufferSize", "9"}})
        .Open("CustomDataItem")
        .Attribute("Type", "9")
        .Attribute("Key", "Approvers")
        .Element("ID", {{"Value", "person-1"}})
        .Element("ID", {{"Value", "person-2"}})
        .Close()
        .Element("CustomDataItem", {{"Type", "10"}, {"Key", "Tolerance"}, {"Value", "0.001"}})
        .Close();
    WriteProjectContext(b);
    b.Close();
}

void WriteFile(XmlDocumentBuilder& b) {
    b.Open("IFile")
        .Attribute("ID", "file-1")
        .Attribute("Label", "Gearbox")
        .Attribute("IsRoot", "True");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayLengthUnit", "kUnitType_Millimeter"}});
    b.Open("FileProperties")
        .TextElement("Title", "Gearbox")
        .TextElement("Author", "Sample generator")
        .TextElement("CreationDate", "2026-01-15T09:30:00Z")
        .Close();
    b.Open("ChildSet").Element("Child", {{"Type", "IAssembly"}, {"ID", "asm-1"}}).Close();
    PresentationSample::WriteAttributeSet(b);
    b.Close();
}

std::string Translation(unsigned step) {
    return "1 0 0 " + std::to_string(step * 50) + " 0 1 0 0 0 0 1 0 0 0 0 1";
}

void XyzElement(XmlDocumentBuilder& b, const char* name, const char* x, const char* y,
                const char* z) {
    b.Element(name, {{"X", x}, {"Y", y}, {"Z", z}});
}

// Reference geometry of the housing: points, a point cloud, a frame, work features, a set, a
// sketch on the shaft's axis edge and extension geometry.
void WriteLayoutPart(XmlDocumentBuilder& b) {
    b.Open("IPart").Attribute("ID", "part-layout").Attribute("Label", "Layout");
    b.Open("ChildSet");
    b.Open("IPoint").Attribute("ID", "point-datum").Attribute("Visibility", "1");
    XyzElement(b, "Point", "10", "20", "30");
    b.Close();
    b.Open("IPointCloud").Attribute("ID", "cloud-scan");
    b.Element("PointCloud", {{"PointCloudCoordinates", "0 0 0 1 0 0 1 1 0"}});
    b.Close();
    b.Open("ICoordSys").Attribute("ID", "frame-base");
    XyzElement(b, "Origin", "5", "5", "0");
    XyzElement(b, "XAxis", "1", "0", "0");
    XyzElement(b, "YAxis", "0", "1", "0");
    b.Close();
    b.Open("IWorkAxis").Attribute("ID", "axis-main");
    XyzElement(b, "StartPoint", "0", "0", "0");
    XyzElement(b, "EndPoint", "0", "0", "120");
    b.Close();
    b.Open("IWorkPoint").Attribute("ID", "point-work");
    XyzElement(b, "WorkPoint", "7", "8", "9");
    b.Close();
    b.Open("IGeometricSet").Attribute("ID", "set-holes").Attribute("Label", "Holes");
    b.Open("ChildSet");
    for (const char* hole : {"hole-1", "hole-2"}) {
        b.Open("IPoint").Attribute("ID", hole);
        XyzElement(b, "Point", hole[5] == '1' ? "5" : "35", "5", "0");
        b.Close();
    }
    b.Close().Close();
    b.Open("ISketch").Attribute("ID", "sketch-axis").Attribute("SketchTypeEnum", "kSketchType_3D");
    b.Open("CurveSet").Open("ICurve").Attribute("ID", "sketch-axis-line");
    b.Element("VeldEntity", {{"EntityId", "edge-shaft-axis"}});
    b.Close().Close();
    b.Open("ChildSet").Open("IPoint").Attribute("ID", "sketch-origin");
    XyzElement(b, "Point", "0", "0", "0");
    b.Close().Close();
    b.Close();
    b.Open("IExtensionGeometry").Attribute("ID", "extension-marks").Attribute("Label", "Marks");
    b.Open("ChildSet").Open("IPoint").Attribute("ID", "mark-1");
    XyzElement(b, "Point", "1", "1", "1");
    b.Close().Close();
    b.Close();
    b.Close().Close();
}

// A gearbox of a housing sub-assembly and shafts; shafts share one part definition.
void WriteAssembly(XmlDocumentBuilder& b, unsigned partCount) {
    b.Open("IAssembly")
        .Attribute("ID", "asm-1")
        .Attribute("Label", "Gearbox assembly")
        .Attribute("IsSingleUnderRoot", "1");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayAngleUnit", "kUnitType_Degree"},
                       {"DisplayLengthUnit", "kUnitType_Millimeter"}});
    SceneSample::WriteAttributeSet(b);
    b.Open("ChildSet");
    b.Open("IInstance")
        .Attribute("ID", "inst-housing")
        .Attribute("Label", "Housing")
        .Attribute("Visibility", "1")
        .Attribute("NetVisibility", "1");
    b.Element("Child", {{"ID", "asm-housing"}});
    SceneSample::WriteAnimationRefs(b, SceneSample::kFileAnimation);
    b.Close();
    for (unsigned i = 1; i <= partCount; ++i) {
        const std::string n = std::to_string(i);
        b.Open("IInstance")
            .Attribute("ID", "inst-shaft-" + n)
            .Attribute("Label", "Shaft " + n)
            .Attribute("Visibility", "1")
            .Attribute("NetVisibility", "1");
        b.Element("Child", {{"ID", "part-shaft"}, {"Transformation", Translation(i)}});
        b.Close();
    }
    BuildingSample::WriteInstance(b);
    b.Close();
    b.Open("CrossLevelAttributes").Open("Visibilities");
    b.Element("EntityVisibility", {{"Path", "[inst-housing][inst-cover]"}, {"Visibility", "0"}});
    b.Close().Close();
    b.Close();

    b.Open("IAssembly").Attribute("ID", "asm-housing").Attribute("Label", "Housing");
    b.Open("ChildSet");
    b.Open("IWorkPlane").Attribute("ID", "plane-mid").Attribute("Label", "Mid plane");
    b.Element("Origin", {{"X", "0"}, {"Y", "0"}, {"Z", "20"}});
    b.Element("Normal", {{"X", "0"}, {"Y", "0"}, {"Z", "1"}});
    b.Close();
    b.Open("IInstance").Attribute("ID", "inst-layout").Attribute("Visibility", "1");
    b.Element("Child", {{"ID", "part-layout"}});
    b.Close();
    for (const char* piece : {"base", "cover"}) {
        b.Open("IInstance")
            .Attribute("ID", std::string("inst-") + piece)
            .Attribute("Visibility", "1");
        b.Element("Child", {{"ID", std::string("part-") + piece}});
        b.Close();
    }
    AnnotationSample::WriteInstance(b);
    b.Close().Close();
    b.Open("IPart").Attribute("ID", "part-base").Attribute("Label", "Base");
    b.Open("ChildSet");
    b.Element("IPolygonMesh",
              {{"ID", "mesh-base"}, {"Label", "Base mesh"}, {"Visibility", "True"}});
    for (const char* curve : {"curve-line", "curve-ray", "curve-ellipse", "curve-outline",
                              "curve-slot", "curve-spline"})
        b.Element("ICurve", {{"ID", curve}, {"Visibility", "1"}});
    b.Close().Close();
    WriteLayoutPart(b);
    b.Open("IPart").Attribute("ID", "part-cover").Attribute("Label", "Cover");
    b.Open("ChildSet");
    b.Element("IBrep", {{"ID", "body-cover"}, {"Label", "Cover body"}, {"Visibility", "1"}});
    b.Element("IPolygonMesh",
              {{"ID", "mesh-cover-fine"}, {"LODID", "fine"}, {"Visibility", "True"}});
    b.Close().Close();
    b.Open("IPart").Attribute("ID", "part-shaft").Attribute("Label", "Shaft");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayLengthUnit", "kUnitType_Millimeter"}});
    b.Open("ChildSet");
    b.Element("IBrep", {{"ID", "body-shaft"}, {"Label", "Shaft body"}, {"Visibility", "1"}});
    b.Open("ICurve").Attribute("ID", "curve-shaft-axis").Attribute("Visibility", "1");
    b.Element("VeldEntity", {{"EntityId", "edge-shaft-axis"}});
    b.Close();
    b.Close().Close();
    AnnotationSample::WritePart(b);
}

} // namespace

std::string SampleDocument::Xml() const {
    return Build().ToString();
}

Writer::XmlDocumentBuilder SampleDocument::Build() const {
    XmlDocumentBuilder b;
    b.Open("XMLDocument");
    WriteSideFileSections(b);
    WriteUniverse(b);
    WriteFile(b);
    WriteAssembly(b, m_options.partCount);
    BuildingSample::WriteElements(b);
    b.Close();
    return b;
}

void SampleDocument::WriteTo(const std::string& folder, const std::string& name) const {
    std::filesystem::create_directories(folder);
    const XmlDocumentBuilder document = Build();
    const std::filesystem::path base = std::filesystem::path(folder) / name;
    document.WriteTo(base.string() + ".xml");
    WriteProperties(base.string() + ".props");
    WriteBodies(folder);
    WriteGeometryStream(folder);
    const std::string thumbnail = (std::filesystem::path(folder) / kThumbnailFile).string();
    Writer::CFile thumbnailFile(thumbnail, "wb");
    thumbnailFile.WriteAll(Thumbnail());
    thumbnailFile.Close();
    SceneSample::WriteAnimationFile(
        (std::filesystem::path(folder) / SceneSample::kAnimationFile).string());
    Writer::ZipPacker packer;
    packer.AddBuffer(name + ".xml", document.ToString());
    packer.AddFile(name + ".props", base.string() + ".props");
    packer.AddFile(kThumbnailFile, thumbnail);
    for (const char* side : {kShaftBodies, kCoverBodies, kGeometryStream, kMeshSegments,
                             kSubdivMeshes, SceneSample::kAnimationFile})
        packer.AddFile(side, (std::filesystem::path(folder) / side).string());
    PresentationSample::WriteFiles(folder, packer);
    packer.Write(base.string() + ".zip");
}

} // namespace Orvik::Sample
