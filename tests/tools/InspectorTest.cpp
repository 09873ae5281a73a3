#include "DocumentInspector.h"
#include "SampleDocument.h"
#include "TempDirectory.h"
#include "TextRenderer.h"
#include "orvik/xml_producer.h"

#include <array>
#include <cstdio>
#include <filesystem>
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

// Runs the inspector binary; stderr is folded into the output unless asked for alone.
CommandResult RunInspector(const std::string& arguments, const char* redirect = "2>&1") {
    const std::string command = std::string(ORVIK_INSPECT_EXE) + " " + arguments + " " + redirect;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), read);
    const int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class InspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sample::SampleDocument(Sample::SampleOptions{}).WriteTo(Folder(), "s");
    }
    std::string Folder() const { return m_dir.Root().string(); }

    Json Inspect(const char* name, bool diagnostics = false) const {
        InspectOptions options;
        options.path = m_dir.PathOf(name);
        options.diagnostics = diagnostics;
        return DocumentInspector(options).Inspect();
    }

    TestSupport::TempDirectory m_dir;
};

TEST_F(InspectorTest, ModelHasTheTopLevelFieldsForXmlAndZip) {
    for (const char* name : {"s.xml", "s.zip"}) {
        const Json model = Inspect(name);
        EXPECT_EQ(model.at("document"), m_dir.PathOf(name));
        EXPECT_EQ(model.at("query").at("IsFileValid"), true) << name;
        EXPECT_TRUE(model.contains("rootId"));
        EXPECT_TRUE(model.contains("universe"));
        EXPECT_TRUE(model.at("objects").is_array());
        EXPECT_FALSE(model.contains("diagnostics")) << "only with --diagnostics";
    }
}

TEST_F(InspectorTest, MissingDocumentFailsWithMessageCodeAndFile) {
    const std::string path = m_dir.PathOf("absent.zip");
    const CommandResult result = RunInspector(path);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(Contains(result.output, "error code: 0")) << result.output;
    EXPECT_TRUE(Contains(result.output, "file: " + path)) << result.output;
    EXPECT_TRUE(Contains(result.output, "archive does not exist")) << result.output;
}

TEST_F(InspectorTest, CommandLineExitCodesAndOutputs) {
    const std::string xml = m_dir.PathOf("s.xml");
    struct Case {
        std::string arguments;
        int exitCode;
        std::string expected;
    };
    const Case cases[] = {
        {"", 2, "orvik-xml-inspect: "},
        {"--bogus " + xml, 2, "--bogus"},
        {xml + " --prefix", 2, "--prefix"},
        {xml + " " + m_dir.PathOf("s.zip"), 2, "orvik-xml-inspect: "},
        {"--help", 0, "--diagnostics"},
    };
    for (const Case& c : cases) {
        const CommandResult result = RunInspector(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(Contains(result.output, c.expected)) << c.arguments << ": " << result.output;
    }
    EXPECT_EQ(RunInspector("--version").output,
              std::string("orvik-xml-inspect ") + ORVIK_VERSION + "\n");
    EXPECT_EQ(RunInspector("--bogus " + xml, "2>/dev/null").output, "") << "usage goes to stderr";
}

TEST_F(InspectorTest, JsonAndTextFormsBothPrintTheDocument) {
    const CommandResult json = RunInspector(m_dir.PathOf("s.zip") + " --json --all");
    ASSERT_EQ(json.exitCode, 0) << json.output;
    EXPECT_EQ(json.output.rfind("{", 0), 0u);
    EXPECT_TRUE(Contains(json.output, "\"IsFileValid\": true")) << json.output;
    const CommandResult text = RunInspector(m_dir.PathOf("s.xml") + " --prefix P");
    ASSERT_EQ(text.exitCode, 0) << text.output;
    EXPECT_TRUE(Contains(text.output, "document: " + m_dir.PathOf("s.xml")));
    EXPECT_FALSE(Contains(text.output, "diagnostics:"));
}

// The loader decides which entries a broken document gets; the inspector only has to show
// every entry with its six fields in both forms.
TEST_F(InspectorTest, DiagnosticsEntriesHaveTheirSixNamedFields) {
    std::filesystem::remove(m_dir.PathOf("geometry.bin"));
    const Json model = Inspect("s.xml", true);
    ASSERT_TRUE(model.at("diagnostics").is_array());
    const std::vector<std::string> names{"code", "severity", "element", "id", "path", "message"};
    for (const Json& entry : model.at("diagnostics")) {
        std::vector<std::string> fields;
        for (const auto& [name, value] : entry.items()) {
            fields.push_back(name);
            EXPECT_TRUE(value.is_string()) << name;
        }
        EXPECT_EQ(fields, names);
        EXPECT_NE(entry.at("code"), "unknown");
        EXPECT_NE(entry.at("severity"), "unknown");
    }

    const CommandResult text = RunInspector(m_dir.PathOf("s.xml") + " --diagnostics");
    ASSERT_EQ(text.exitCode, 0) << text.output;
    const std::string section = text.output.substr(text.output.rfind("diagnostics:"));
    if (model.at("diagnostics").empty()) {
        EXPECT_EQ(section, "diagnostics: none\n");
        return;
    }
    const Json& first = model.at("diagnostics").front();
    EXPECT_TRUE(Contains(section, "\n  - " + first.at("severity").get<std::string>() + " " +
                                      first.at("code").get<std::string>()))
        << section;
    EXPECT_TRUE(Contains(section, first.at("message").get<std::string>() + "\n")) << section;
}

TEST_F(InspectorTest, FilePropertiesAndAssemblyChildrenAppearInTheModel) {
    const Json model = Inspect("s.xml");
    const Json* file = nullptr;
    const Json* assembly = nullptr;
    for (const Json& object : model.at("objects")) {
        if (object.at("interface") == "IFile")
            file = &object;
        else if (object.at("interface") == "IAssembly" && object.at("id") == "asm-1")
            assembly = &object;
    }
    ASSERT_NE(file, nullptr);
    const Json& properties = file->at("FileProperties");
    ASSERT_TRUE(properties.is_object());
    EXPECT_EQ(properties.at("Title"), "Gearbox");
    EXPECT_EQ(properties.at("CreationDate"), "2026-01-15T09:30:00Z");
    EXPECT_FALSE(properties.contains("Organization"));
    EXPECT_TRUE(properties.at("CustomPropertyAt").empty());
    ASSERT_NE(assembly, nullptr);
    EXPECT_TRUE(assembly->at("FileProperties").is_null());
    const Json& children = assembly->at("ChildAt");
    ASSERT_FALSE(children.empty());
    EXPECT_EQ(children.front(), "inst-housing");
    EXPECT_TRUE(assembly->at("EntityVisibilityAt").is_array());
}

// Finds an object of the model by id.
const Json& ObjectById(const Json& model, const std::string& id) {
    for (const Json& object : model.at("objects"))
        if (object.at("id") == id)
            return object;
    throw std::runtime_error("no object " + id + " in the model");
}

std::string Compact(const Json& value) {
    return JsonText(value);
}

TEST_F(InspectorTest, GeometryOfTheSampleShowsAsWritten) {
    const Json model = Inspect("s.zip");

    const Json& textBody = ObjectById(model, "body-shaft");
    EXPECT_EQ(textBody.at("Body"), true);
    EXPECT_EQ(textBody.at("FaceCount"), 3);
    EXPECT_EQ(textBody.at("EdgeCount"), 2);
    const Json& binaryBody = ObjectById(model, "body-cover");
    EXPECT_EQ(binaryBody.at("FaceCount"), 2);
    EXPECT_EQ(binaryBody.at("EdgeCount"), 1);

    const Json& mesh = ObjectById(model, "mesh-base");
    EXPECT_EQ(mesh.at("VertexCount"), 5);
    EXPECT_EQ(mesh.at("PolygonCount"), 3);
    EXPECT_EQ(mesh.at("FaceSegmentCount"), 2);
    EXPECT_EQ(mesh.at("EdgeSegmentCount"), 1);
    EXPECT_EQ(Compact(mesh.at("Vertices").at(1)), R"({"x":40,"y":0,"z":0})");
    const Json& subdivision = ObjectById(model, "mesh-cover-fine");
    EXPECT_EQ(subdivision.at("interface"), "ISubdivMesh");
    EXPECT_EQ(subdivision.at("LodId"), "fine");
    EXPECT_EQ(Compact(subdivision.at("Creases")), "[[0,1,2.5],[1,2,1]]");

    const auto firstRecord = [&](const char* id) -> const Json& {
        return ObjectById(model, id).at("CurveDataAt").at(0);
    };
    EXPECT_EQ(Compact(firstRecord("curve-line").at("ParameterRange")), "[0,40]");
    EXPECT_EQ(firstRecord("curve-ray").at("Origin").at("z"), 5);
    EXPECT_EQ(firstRecord("curve-ellipse").at("Ratio"), 0.5);
    EXPECT_EQ(firstRecord("curve-outline").at("PointCount"), 5) << "closed";
    EXPECT_EQ(firstRecord("curve-slot").at("SegmentCount"), 2);
    EXPECT_EQ(firstRecord("curve-spline").at("Degree"), 2);
    EXPECT_EQ(ObjectById(model, "curve-shaft-axis").at("KernelCurveCount"), 1);
}

TEST_F(InspectorTest, ReferenceGeometryOfTheSampleShowsAsWritten) {
    const Json model = Inspect("s.zip");
    const auto field = [&](const char* id, const char* name) {
        return Compact(ObjectById(model, id).at(name));
    };

    EXPECT_EQ(field("point-datum", "Position"), R"({"x":10,"y":20,"z":30})");
    EXPECT_EQ(ObjectById(model, "cloud-scan").at("PointCount"), 3);
    EXPECT_EQ(Compact(ObjectById(model, "cloud-scan").at("PointAt").at(2)),
              R"({"x":1,"y":1,"z":0})");
    EXPECT_EQ(field("frame-base", "Origin"), R"({"x":5,"y":5,"z":0})");
    EXPECT_EQ(field("axis-main", "EndPoint"), R"({"x":0,"y":0,"z":120})");
    EXPECT_EQ(field("point-work", "Point"), R"({"x":7,"y":8,"z":9})");
    EXPECT_EQ(field("plane-mid", "Origin"), R"({"x":0,"y":0,"z":20})");
    EXPECT_EQ(field("set-holes", "ChildAt"), R"(["hole-1","hole-2"])");
    EXPECT_EQ(field("hole-2", "Position"), R"({"x":35,"y":5,"z":0})");
    EXPECT_EQ(field("sketch-axis", "SketchType"), R"("kSketchType_3D")");
    EXPECT_EQ(field("sketch-axis", "IdAt"), R"(["sketch-axis-line","sketch-origin"])");
    EXPECT_EQ(ObjectById(model, "sketch-axis-line").at("KernelCurveCount"), 1);
    EXPECT_EQ(field("extension-marks", "ChildAt"), R"(["mark-1"])");
}

TEST(TextRendererTest, PrintsNestedModelsAsAnIndentedTree) {
    const Json model = {
        {"document", "d.xml"},
        {"objects", Json::array({{{"id", "a1"}, {"interface", "IAssembly"}, {"ChildCount", 2}}})}};
    std::ostringstream out;
    TextRenderer::Render(model, out);
    EXPECT_EQ(out.str(), "document: d.xml\nobjects:\n  - IAssembly a1\n    ChildCount: 2\n");
}

} // namespace
} // namespace Orvik::Inspect
