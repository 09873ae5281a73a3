#include "DocumentInspector.h"
#include "SampleDocument.h"
#include "TempDirectory.h"
#include "TextRenderer.h"
#include "orvik/xml_producer.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <sys/wait.h>

namespace Orvik::Inspect {
namespace {

struct CommandResult {
    int exitCode;
    std::string output;
};

// Runs the inspector binary with stderr folded into the output.
CommandResult RunInspector(const std::string& arguments) {
    const std::string command = std::string(ORVIK_INSPECT_EXE) + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), read);
    const int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class InspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sample::SampleDocument(Sample::SampleOptions{}).WriteTo(Folder(), "s");
    }
    std::string Folder() const { return m_dir.Root().string(); }

    TestSupport::TempDirectory m_dir;
};

TEST_F(InspectorTest, ModelHasTheTopLevelFieldsForXmlAndZip) {
    for (const char* name : {"s.xml", "s.zip"}) {
        InspectOptions options;
        options.path = m_dir.PathOf(name);
        const JsonValue model = DocumentInspector(options).Inspect();
        EXPECT_EQ(model.Find("document")->AsString(), options.path);
        EXPECT_TRUE(model.Find("query")->Find("IsFileValid")->AsBool()) << name;
        ASSERT_NE(model.Find("rootId"), nullptr);
        ASSERT_NE(model.Find("universe"), nullptr);
        EXPECT_EQ(model.Find("objects")->GetType(), JsonValue::Type::kArray);
    }
}

TEST_F(InspectorTest, MissingDocumentFailsWithMessageCodeAndFile) {
    const std::string path = m_dir.PathOf("absent.zip");
    const CommandResult result = RunInspector(path);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("error code: 0"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("file: " + path), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("archive does not exist"), std::string::npos) << result.output;
}

TEST_F(InspectorTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunInspector("").exitCode, 2);
    EXPECT_EQ(RunInspector("--bogus " + m_dir.PathOf("s.xml")).exitCode, 2);
    EXPECT_EQ(RunInspector(m_dir.PathOf("s.xml") + " --prefix").exitCode, 2);
}

TEST_F(InspectorTest, JsonAndTextFormsBothPrintTheDocument) {
    const CommandResult json = RunInspector(m_dir.PathOf("s.zip") + " --json --all");
    ASSERT_EQ(json.exitCode, 0) << json.output;
    EXPECT_EQ(json.output.rfind("{", 0), 0u);
    EXPECT_NE(json.output.find("\"IsFileValid\": true"), std::string::npos) << json.output;
    const CommandResult text = RunInspector(m_dir.PathOf("s.xml") + " --prefix P");
    ASSERT_EQ(text.exitCode, 0) << text.output;
    EXPECT_NE(text.output.find("document: " + m_dir.PathOf("s.xml")), std::string::npos);
}

TEST_F(InspectorTest, FilePropertiesAndAssemblyChildrenAppearInTheModel) {
    InspectOptions options;
    options.path = m_dir.PathOf("s.xml");
    const JsonValue model = DocumentInspector(options).Inspect();
    const JsonValue* file = nullptr;
    const JsonValue* assembly = nullptr;
    for (const JsonValue& object : model.Find("objects")->Items()) {
        const std::string& interfaceName = object.Find("interface")->AsString();
        if (interfaceName == "IFile")
            file = &object;
        else if (interfaceName == "IAssembly" && object.Find("id")->AsString() == "asm-1")
            assembly = &object;
    }
    ASSERT_NE(file, nullptr);
    const JsonValue* properties = file->Find("FileProperties");
    ASSERT_EQ(properties->GetType(), JsonValue::Type::kObject);
    EXPECT_EQ(properties->Find("Title")->AsString(), "Gearbox");
    EXPECT_EQ(properties->Find("CreationDate")->AsString(), "2026-01-15T09:30:00Z");
    EXPECT_EQ(properties->Find("Organization"), nullptr);
    EXPECT_EQ(properties->Find("CustomPropertyAt")->Items().size(), 0u);
    ASSERT_NE(assembly, nullptr);
    EXPECT_TRUE(assembly->Find("FileProperties")->IsNull());
    const auto& children = assembly->Find("ChildAt")->Items();
    ASSERT_FALSE(children.empty());
    EXPECT_EQ(children.front().AsString(), "inst-housing");
    EXPECT_EQ(assembly->Find("EntityVisibilityAt")->GetType(), JsonValue::Type::kArray);
}

// Finds an object of the model by id.
const JsonValue& ObjectById(const JsonValue& model, const std::string& id) {
    for (const JsonValue& object : model.Find("objects")->Items())
        if (object.Find("id")->AsString() == id)
            return object;
    throw std::runtime_error("no object " + id + " in the model");
}

TEST_F(InspectorTest, GeometryOfTheSampleShowsAsWritten) {
    InspectOptions options;
    options.path = m_dir.PathOf("s.zip");
    const JsonValue model = DocumentInspector(options).Inspect();

    const JsonValue& textBody = ObjectById(model, "body-shaft");
    EXPECT_TRUE(textBody.Find("Body")->AsBool());
    EXPECT_EQ(textBody.Find("FaceCount")->AsNumber(), 3);
    EXPECT_EQ(textBody.Find("EdgeCount")->AsNumber(), 2);
    const JsonValue& binaryBody = ObjectById(model, "body-cover");
    EXPECT_EQ(binaryBody.Find("FaceCount")->AsNumber(), 2);
    EXPECT_EQ(binaryBody.Find("EdgeCount")->AsNumber(), 1);

    const JsonValue& mesh = ObjectById(model, "mesh-base");
    EXPECT_EQ(mesh.Find("VertexCount")->AsNumber(), 5);
    EXPECT_EQ(mesh.Find("PolygonCount")->AsNumber(), 3);
    EXPECT_EQ(mesh.Find("FaceSegmentCount")->AsNumber(), 2);
    EXPECT_EQ(mesh.Find("EdgeSegmentCount")->AsNumber(), 1);
    EXPECT_EQ(mesh.Find("Vertices")->Items()[1].Find("x")->AsNumber(), 40);
    const JsonValue& subdivision = ObjectById(model, "mesh-cover-fine");
    EXPECT_EQ(subdivision.Find("interface")->AsString(), "ISubdivMesh");
    EXPECT_EQ(subdivision.Find("LodId")->AsString(), "fine");
    EXPECT_EQ(subdivision.Find("Creases")->ToString(0), "[[0,1,2.5],[1,2,1]]");

    const auto firstRecord = [&](const char* id) -> const JsonValue& {
        return ObjectById(model, id).Find("CurveDataAt")->Items().at(0);
    };
    EXPECT_EQ(firstRecord("curve-line").Find("ParameterRange")->ToString(0), "[0,40]");
    EXPECT_EQ(firstRecord("curve-ray").Find("Origin")->Find("z")->AsNumber(), 5);
    EXPECT_EQ(firstRecord("curve-ellipse").Find("Ratio")->AsNumber(), 0.5);
    EXPECT_EQ(firstRecord("curve-outline").Find("PointCount")->AsNumber(), 5) << "closed";
    EXPECT_EQ(firstRecord("curve-slot").Find("SegmentCount")->AsNumber(), 2);
    EXPECT_EQ(firstRecord("curve-spline").Find("Degree")->AsNumber(), 2);
    EXPECT_EQ(ObjectById(model, "curve-shaft-axis").Find("KernelCurveCount")->AsNumber(), 1);
}

TEST_F(InspectorTest, ReferenceGeometryOfTheSampleShowsAsWritten) {
    InspectOptions options;
    options.path = m_dir.PathOf("s.zip");
    const JsonValue model = DocumentInspector(options).Inspect();
    const auto xyz = [](const JsonValue& value) { return value.ToString(0); };

    EXPECT_EQ(xyz(*ObjectById(model, "point-datum").Find("Position")), R"({"x":10,"y":20,"z":30})");
    const JsonValue& cloud = ObjectById(model, "cloud-scan");
    EXPECT_EQ(cloud.Find("PointCount")->AsNumber(), 3);
    EXPECT_EQ(xyz(cloud.Find("PointAt")->Items()[2]), R"({"x":1,"y":1,"z":0})");
    EXPECT_EQ(xyz(*ObjectById(model, "frame-base").Find("Origin")), R"({"x":5,"y":5,"z":0})");
    EXPECT_EQ(xyz(*ObjectById(model, "axis-main").Find("EndPoint")), R"({"x":0,"y":0,"z":120})");
    EXPECT_EQ(xyz(*ObjectById(model, "point-work").Find("Point")), R"({"x":7,"y":8,"z":9})");
    EXPECT_EQ(xyz(*ObjectById(model, "plane-mid").Find("Origin")), R"({"x":0,"y":0,"z":20})");
    EXPECT_EQ(ObjectById(model, "set-holes").Find("ChildAt")->ToString(0),
              R"(["hole-1","hole-2"])");
    EXPECT_EQ(xyz(*ObjectById(model, "hole-2").Find("Position")), R"({"x":35,"y":5,"z":0})");
    const JsonValue& sketch = ObjectById(model, "sketch-axis");
    EXPECT_EQ(sketch.Find("SketchType")->AsString(), "kSketchType_3D");
    EXPECT_EQ(sketch.Find("IdAt")->ToString(0), R"(["sketch-axis-line","sketch-origin"])");
    EXPECT_EQ(ObjectById(model, "sketch-axis-line").Find("KernelCurveCount")->AsNumber(), 1);
    EXPECT_EQ(ObjectById(model, "extension-marks").Find("ChildAt")->ToString(0), R"(["mark-1"])");
}

TEST(TextRendererTest, PrintsNestedModelsAsAnIndentedTree) {
    JsonValue model = JsonValue::Object();
    model.Set("document", "d.xml");
    JsonValue objects = JsonValue::Array();
    JsonValue object = JsonValue::Object();
    object.Set("id", "a1");
    object.Set("interface", "IAssembly");
    object.Set("ChildCount", 2);
    objects.Append(std::move(object));
    model.Set("objects", std::move(objects));
    std::ostringstream out;
    TextRenderer::Render(model, out);
    EXPECT_EQ(out.str(), "document: d.xml\nobjects:\n  - IAssembly a1\n    ChildCount: 2\n");
}

} // namespace
} // namespace Orvik::Inspect
