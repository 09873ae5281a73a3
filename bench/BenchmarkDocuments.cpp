#include "BenchmarkDocuments.h"

#include "SampleDocument.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace Orvik::Bench {
namespace {

namespace fs = std::filesystem;
using Writer::XmlDocumentBuilder;

constexpr const char* kGeometryStream = "geometry.bin";
constexpr const char* kBodyFile = "bodies.sab";

std::string Id(const char* prefix, std::size_t number) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%08zu", prefix, number);
    return text;
}

void RootFile(XmlDocumentBuilder& b, const char* assemblyId) {
    b.Open("IFile").Attribute("ID", "file").Attribute("IsRoot", "True");
    b.Open("ChildSet").Element("Child", {{"Type", "IAssembly"}, {"ID", assemblyId}}).Close();
    b.Close();
}

// Instances idPrefix0..., each placing the same component with an identity transform; a label
// only when given.
void PlacingInstances(XmlDocumentBuilder& b, std::size_t count, const char* idPrefix,
                      const char* label, const char* placedId) {
    for (std::size_t i = 0; i < count; ++i) {
        b.Open("IInstance").Attribute("ID", Id(idPrefix, i));
        if (label != nullptr)
            b.Attribute("Label", label);
        b.Attribute("Visibility", "1");
        b.Element("Child", {{"ID", placedId}, {"Transformation", "1 0 0 0 0 1 0 0 0 0 1 0"}});
        b.Close();
    }
}

Writer::StreamMesh Box(double size) {
    Writer::StreamMesh mesh;
    mesh.positions = {{0, 0, 0},    {size, 0, 0},    {size, size, 0},    {0, size, 0},
                      {0, 0, size}, {size, 0, size}, {size, size, size}, {0, size, size}};
    mesh.normals.assign(mesh.positions.size(), {0, 0, 1});
    mesh.textureCoordinates.assign(mesh.positions.size(), {0.5, 0.5});
    mesh.polygons = {{{0, 1, 2}, {}}, {{0, 2, 3}, {}}, {{4, 5, 6}, {}}, {{4, 6, 7}, {}},
                     {{0, 1, 5}, {}}, {{0, 5, 4}, {}}, {{2, 3, 7}, {}}, {{2, 7, 6}, {}}};
    return mesh;
}

void WriteGeometrySideFiles(const std::string& folder, std::size_t count) {
    using Writer::CurveRecordWriter;
    Writer::GeometryStreamWriter stream(false, false);
    Writer::BodyFileWriter bodies;
    for (std::size_t i = 0; i < count; ++i) {
        const double offset = static_cast<double>(i);
        stream.AddMesh(Id("mesh", i), Box(1.0 + offset));
        stream.AddCurveRecord(Id("curve", i), CurveRecordWriter::kLine,
                              CurveRecordWriter::Line({offset, 0, 0}, {1, 0, 0}, 0.0, 10.0));
        Writer::BodyFileWriter::Line axis;
        axis.root = {offset, 0.0, 0.0};
        axis.direction = {0.0, 0.0, 1.0};
        axis.end = 10.0;
        bodies.AddBody({Id("body", i), {Id("face-a", i), Id("face-b", i)}, {{"", "edge-1", axis}}});
    }
    stream.WriteTo(folder + "/" + kGeometryStream);
    bodies.WriteBinary(folder + "/" + kBodyFile);
}

} // namespace

BenchmarkDocuments::BenchmarkDocuments()
    : m_folder(
          (fs::temp_directory_path() / ("orvik-bench-" + std::to_string(::getpid()))).string()) {
    fs::create_directories(m_folder);
}

BenchmarkDocuments::BenchmarkDocuments(const std::string& keptFolder)
    : m_folder(fs::absolute(keptFolder).string())
    , m_keep(true) {
    fs::create_directories(m_folder);
}

BenchmarkDocuments::~BenchmarkDocuments() {
    if (m_keep)
        return;
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

std::string BenchmarkDocuments::FolderFor(const std::string& name) const {
    const std::string folder = m_folder + "/" + name;
    fs::create_directories(folder);
    return folder;
}

std::string BenchmarkDocuments::ChainedFiles(std::size_t count) {
    const std::string path = m_folder + "/files-" + std::to_string(count) + ".xml";
    if (fs::exists(path))
        return path;
    XmlDocumentBuilder b;
    b.Open("XMLDocument");
    for (std::size_t i = count; i-- > 0;) {
        b.Open("IFile").Attribute("ID", Id("f", i));
        if (i == 0)
            b.Attribute("IsRoot", "True");
        b.Open("ChildSet").Element("Child", {{"ID", Id("f", i + 1)}}).Close();
        b.Close();
    }
    b.Close();
    b.WriteTo(path);
    return path;
}

std::string BenchmarkDocuments::AssemblyOfInstances(std::size_t count) {
    const std::string path = m_folder + "/instances-" + std::to_string(count) + ".xml";
    if (fs::exists(path))
        return path;
    XmlDocumentBuilder b;
    b.Open("XMLDocument");
    RootFile(b, "asm");
    b.Open("IAssembly").Attribute("ID", "asm").Attribute("Label", "Many");
    b.Open("ChildSet");
    PlacingInstances(b, count, "i", nullptr, "part");
    b.Close().Close();
    b.Open("IPart").Attribute("ID", "part").Attribute("Label", "Bolt").Close();
    b.Close();
    b.WriteTo(path);
    return path;
}

std::string BenchmarkDocuments::InstancesOfSubAssembly(std::size_t count) {
    const std::string path = FolderFor("hierarchy-" + std::to_string(count)) + "/hierarchy.xml";
    if (fs::exists(path))
        return path;
    XmlDocumentBuilder b;
    b.Open("XMLDocument");
    RootFile(b, "asm");
    b.Open("IAssembly").Attribute("ID", "asm").Attribute("Label", "Top");
    b.Open("ChildSet");
    PlacingInstances(b, count, "inst", "Unit", "sub");
    b.Close().Close();
    b.Open("IAssembly").Attribute("ID", "sub").Attribute("Label", "Unit");
    b.Open("ChildSet").Open("IInstance").Attribute("ID", "inst-bolt").Attribute("Visibility", "1");
    b.Element("Child", {{"ID", "part"}});
    b.Close().Close().Close();
    b.Open("IPart").Attribute("ID", "part").Attribute("Label", "Bolt").Close();
    b.Close();
    b.WriteTo(path);
    return path;
}

std::string BenchmarkDocuments::GeometryParts(std::size_t count) {
    const std::string folder = FolderFor("geometry-" + std::to_string(count));
    const std::string path = folder + "/geometry.xml";
    if (fs::exists(path))
        return path;
    WriteGeometrySideFiles(folder, count);
    XmlDocumentBuilder b;
    b.Open("XMLDocument");
    b.Element("SatInfo", {{"Path", kBodyFile}});
    b.Element("MeshInfo", {{"GenerateMesh", "True"}, {"Path", kGeometryStream}});
    RootFile(b, "asm");
    b.Open("IAssembly").Attribute("ID", "asm").Attribute("Label", "Parts");
    b.Open("ChildSet");
    for (std::size_t i = 0; i < count; ++i) {
        b.Open("IInstance").Attribute("ID", Id("inst", i)).Attribute("Visibility", "1");
        b.Element("Child", {{"ID", Id("part", i)}});
        b.Close();
    }
    b.Close().Close();
    for (std::size_t i = 0; i < count; ++i) {
        b.Open("IPart").Attribute("ID", Id("part", i)).Attribute("Label", "Block");
        b.Open("ChildSet");
        b.Element("IPolygonMesh", {{"ID", Id("mesh", i)}, {"Visibility", "True"}});
        b.Element("ICurve", {{"ID", Id("curve", i)}, {"Visibility", "1"}});
        b.Element("IBrep", {{"ID", Id("body", i)}, {"Visibility", "1"}});
        b.Close().Close();
    }
    b.Close();
    b.WriteTo(path);
    return path;
}

std::string BenchmarkDocuments::GeometryStreamOf(std::size_t count) {
    return fs::path(GeometryParts(count)).parent_path().string() + "/" + kGeometryStream;
}

std::string BenchmarkDocuments::BodyFileOf(std::size_t count) {
    return fs::path(GeometryParts(count)).parent_path().string() + "/" + kBodyFile;
}

std::string BenchmarkDocuments::ScaledSample(std::size_t parts) {
    const std::string folder = FolderFor("sample-" + std::to_string(parts));
    const std::string path = folder + "/sample.xml";
    if (!fs::exists(path)) {
        Sample::SampleOptions options;
        options.partCount = static_cast<unsigned>(parts);
        Sample::SampleDocument(options).WriteTo(folder, "sample");
    }
    return path;
}

std::string BenchmarkDocuments::Zipped(const std::string& xmlPath) {
    const fs::path document(xmlPath);
    const fs::path zip = fs::path(document).replace_extension(".zip");
    if (fs::exists(zip))
        return zip.string();
    Writer::ZipPacker packer;
    for (const fs::directory_entry& entry : fs::directory_iterator(document.parent_path()))
        if (entry.is_regular_file() && entry.path().extension() != ".zip")
            packer.AddFile(entry.path().filename().string(), entry.path().string());
    packer.Write(zip.string());
    return zip.string();
}

} // namespace Orvik::Bench
