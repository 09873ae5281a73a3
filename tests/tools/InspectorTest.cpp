#include "Command.h"
#include "DocumentInspector.h"
#include "SampleDocument.h"
#include "TempDirectory.h"
#include "TextRenderer.h"
#include "ValueFormatter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace Orvik::Inspect {
namespace {

using TestSupport::CommandResult;

// Runs the inspector binary; stderr is folded into the output unless asked for alone.
CommandResult RunInspector(const std::string& arguments, const char* redirect = "2>&1") {
    return TestSupport::RunCommand(std::string(ORVIK_INSPECT_EXE) + " " + arguments + " " +
                                   redirect);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class InspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sample::SampleDocument(Sample::SampleOptions{}).WriteTo(m_dir.Root().string(), "s");
    }

    Json Inspect(const char* name, bool diagnostics = false) const {
        InspectOptions options;
        options.path = m_dir.PathOf(name);
        options.diagnostics = diagnostics;
        return DocumentInspector(options).Inspect();
    }

    TestSupport::TempDirectory m_dir;
};

TEST_F(InspectorTest, CommandLineExitCodesAndOutputs) {
    const std::string xml = m_dir.PathOf("s.xml");
    const std::string zip = m_dir.PathOf("s.zip");
    const std::string absent = m_dir.PathOf("absent.zip");
    const struct {
        std::string arguments;
        int exitCode;
        std::vector<std::string> parts;
    } cases[] = {
        {"", 2, {"orvik-xml-inspect: "}},
        {"--bogus " + xml, 2, {"--bogus"}},
        {xml + " --prefix", 2, {"--prefix"}},
        {xml + " " + zip, 2, {"orvik-xml-inspect: "}},
        {"--help", 0, {"--diagnostics"}},
        {absent, 1, {"error code: 13", "file: " + absent, "archive does not exist"}},
        {zip + " --json --all", 0, {"{\n  \"document\": \"" + zip, "\"IsFileValid\": true"}},
        {xml + " --json", 0, {"{\n  \"document\": \"" + xml, "\"IsFileValid\": true"}},
        {xml + " --prefix P", 0, {"document: " + xml}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CommandResult result = RunInspector(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.output;
        for (const std::string& part : c.parts)
            EXPECT_TRUE(Contains(result.output, part)) << part << " in " << result.output;
    }
    EXPECT_EQ(RunInspector("--version").output,
              std::string("orvik-xml-inspect ") + ORVIK_VERSION + "\n");
    EXPECT_EQ(RunInspector("--bogus " + xml, "2>/dev/null").output, "") << "usage goes to stderr";
}

// The loader decides which entries a broken document gets; the inspector only has to show
// every entry with its six fields in both forms.
TEST_F(InspectorTest, DiagnosticsEntriesHaveTheirSixNamedFields) {
    std::filesystem::remove(m_dir.PathOf("geometry.bin"));
    const Json model = Inspect("s.xml", true);
    ASSERT_FALSE(model.at("diagnostics").empty());
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
    const Json& first = model.at("diagnostics").front();
    EXPECT_TRUE(Contains(text.output, "\ndiagnostics:\n  - " +
                                          first.at("severity").get<std::string>() + " " +
                                          first.at("code").get<std::string>()))
        << text.output;
    EXPECT_TRUE(Contains(text.output, first.at("message").get<std::string>() + "\n"));
}

const Json& ObjectById(const Json& model, const std::string& id) {
    for (const Json& object : model.at("objects"))
        if (object.at("id") == id)
            return object;
    throw std::runtime_error("no object " + id + " in the model");
}

// What the sample writes, as the model shows it: an object's fields (JSON pointers separated by
// blanks) printed together as one array.
TEST_F(InspectorTest, ObjectsOfTheSampleShowAsWritten) {
    const Json model = Inspect("s.zip");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"file-1",
         "/FileProperties/Title /FileProperties/CreationDate /FileProperties/CustomPropertyAt",
         R"(["Gearbox","2026-01-15T09:30:00Z",[]])"},
        {"asm-1", "/FileProperties /ChildAt/0 /EntityVisibilityAt/0/visible",
         R"([null,"inst-housing",false])"},
        {"body-shaft", "/Body /FaceCount /EdgeCount", "[true,3,2]"},
        {"body-cover", "/FaceCount /EdgeCount", "[2,1]"},
        {"mesh-base", "/VertexCount /PolygonCount /FaceSegmentCount /EdgeSegmentCount /Vertices/1",
         R"([5,3,2,1,{"x":40,"y":0,"z":0}])"},
        {"mesh-cover-fine", "/interface /LodId /Creases",
         R"(["ISubdivMesh","fine",[[0,1,2.5],[1,2,1]]])"},
        {"curve-line", "/CurveDataAt/0/ParameterRange", "[[0,40]]"},
        {"curve-ray", "/CurveDataAt/0/Origin/z", "[5]"},
        {"curve-ellipse", "/CurveDataAt/0/Ratio", "[0.5]"},
        {"curve-outline", "/CurveDataAt/0/PointCount", "[5]"}, // closed
        {"curve-slot", "/CurveDataAt/0/SegmentCount", "[2]"},
        {"curve-spline", "/CurveDataAt/0/Degree", "[2]"},
        {"curve-shaft-axis", "/KernelCurveCount", "[1]"},
        {"point-datum", "/Position", R"([{"x":10,"y":20,"z":30}])"},
        {"cloud-scan", "/PointCount /PointAt/2", R"([3,{"x":1,"y":1,"z":0}])"},
        {"frame-base", "/Origin", R"([{"x":5,"y":5,"z":0}])"},
        {"axis-main", "/EndPoint", R"([{"x":0,"y":0,"z":120}])"},
        {"point-work", "/Point", R"([{"x":7,"y":8,"z":9}])"},
        {"plane-mid", "/Origin", R"([{"x":0,"y":0,"z":20}])"},
        {"set-holes", "/ChildAt", R"([["hole-1","hole-2"]])"},
        {"hole-2", "/Position", R"([{"x":35,"y":5,"z":0}])"},
        {"sketch-axis", "/SketchType /IdAt",
         R"(["kSketchType_3D",["sketch-axis-line","sketch-origin"]])"},
        {"sketch-axis-line", "/KernelCurveCount", "[1]"},
        {"extension-marks", "/ChildAt", R"([["mark-1"]])"},
        {"part-notes", "/ChildAt", R"([["note-bearing","note-housing"]])"},
        {"note-bearing", "/IsVisible /AnnotationPlane /ChildAt",
         R"([true,"note-plane",["note-leader","note-targets"]])"},
        {"note-plane", "/interface /Origin /ReferenceDirection",
         R"(["IWorkPlane",{"x":30,"y":30,"z":20},{"x":1,"y":0,"z":0}])"},
        {"note-bearing", "/Text/Origin /Text/Transform/11 /Text/TextLineCount",
         R"([{"x":32,"y":34,"z":20},0.5,2])"},
        {"note-bearing", "/Text/TextJustification /Text/IsVertical /Text/LengthUnit",
         R"([2,false,"kUnitType_Millimeter"])"},
        {"note-bearing", "/Text/TextLineAt/0/TextAlignment /Text/TextLineAt/0/Indentation",
         "[1,2.5]"},
        {"note-bearing", "/Text/TextLineAt/0/TextFragmentAt/0",
         R"([{"interface":"ITextFragment","Value":"Bearing ","FontName":"Sans",)"
         R"("IsBold":true,"FontSize":3.5}])"},
        {"note-bearing", "/Text/TextLineAt/0/TextFragmentAt/1",
         R"([{"interface":"ITextFragment","Value":"6204-2RS",)"
         R"("TextColor":{"r":0.8,"g":0.1,"b":0.1,"a":1},)"
         R"("TextBackgroundColor":{"r":1,"g":1,"b":0.8,"a":0.5},"IsItalic":true,)"
         R"("IsUnderlined":true,"Height":3.5,"Width":2}])"},
        {"note-bearing", "/Text/TextLineAt/1/TextFragmentCount /Text/TextLineAt/1/TextFragmentAt/1",
         R"([2,{"interface":"ITextFragment","Value":"NLGI 2","IsOverlined":false,)"
         R"("ScriptType":1}])"},
        {"note-leader", "/interface /Styles /ChildAt",
         R"(["IAnnotationCalloutElement",["style-leader"],)"
         R"(["curve-leader","note-leader-tip","mesh-badge"]])"},
        {"curve-leader", "/CurveDataAt/0/interface", R"(["IStraightData"])"},
        {"mesh-badge", "/PolygonCount", "[2]"},
        {"note-targets", "/ChildAt", R"([["curve-line","point-datum","mesh-base"]])"},
        {"note-housing",
         "/IsVisible /AnnotationPlane /ChildAt /Text/TextLineAt/0/TextFragmentAt/0/Value",
         R"([false,"plane-mid",["note-targets"],"Seal both halves"])"},
        {"style-steel",
         "/DiffuseColor/g /BumpMap /TransparencyColor/a /ShaderType /PointStyleMarker",
         R"([0.62,"tex-maple",0.1,2,10])"},
        {"style-paint", "/interface /SerializedAsset/size /AssetDefinitionId /Shininess",
         R"(["IAmbrelRenderStyle",17,"paint-gloss",0.9])"},
        {"style-glass", "/interface /FileReferenceCount /FileReferenceAt/0/source",
         R"(["IMaterialXRenderStyle",1,"glass.mtlx"])"},
        {"tex-wood", "/TextureDimensions /RepeatV", R"([{"width":256,"height":128},3])"},
        {"tex-embedded", "/EmbeddedTextureImage/size /ProceduralName", R"([6,"checker"])"},
        {"decal-logo", "/interface /TextureType /Transparency",
         R"(["IDecalMaterialTexture",4,0.25])"},
        {"mat-brick", "/Category /MaterialData/MaterialAt/0/Material /Styles",
         R"(["Masonry","mat-insulation",["style-paint"]])"},
        {"mat-wall", "/MaterialData/TotalThickness /MaterialData/MaterialAt/1/IsVentilated",
         "[350,true]"},
        {"mat-frame", "/MaterialData/MaterialAt/0/Priority", "[2]"},
        {"mat-steel", "/MaterialData/interface", R"(["IMaterialProfileData"])"},
        {"asm-storey", "/GroupSet /LayerSet /LodSet /ChildAt/2",
         R"([["group-wall-type"],["7","12"],["lod-coarse","lod-fine"],"override-opening"])"},
        {"group-wall-type", "/Description /GeometryItems /AECDomainData",
         R"(["Exterior wall, 300 mm concrete",["mesh-wall-coarse","mesh-wall-fine"],)"
         R"({"interface":"IAECTypeObjectData","OwnerObjectId":"group-wall-type",)"
         R"("DomainDataTypeId":"IfcWallType","DomainDataSourceType":"IFC4","OwnerHistory":0,)"
         R"("DomainDataSubTypeId":"STANDARD","SharedGeometryComponentIdCount":1,)"
         R"("SharedGeometryComponentIdAt":["part-wall"]}])"},
        {"inst-wall-2", "/AECDomainData",
         R"([{"interface":"IAECObjectData","OwnerObjectId":"inst-wall-2",)"
         R"("DomainDataTypeId":"IfcWall","DomainDataSourceType":"IFC4","OwnerHistory":0,)"
         R"("DomainDataSubTypeId":"LOADBEARING","TypeObjectId":"group-wall-type"}])"},
        {"7", "/Label /Description /LayerNumber /IsVisible /GeometryItems /ChangeKey",
         R"(["A-WALL","Walls",7,true,["inst-wall-1","inst-wall-2"],"layer-7-rev-2"])"},
        {"12", "/LayerNumber /IsVisible /VersionPersistentId", R"([12,false,"layer-openings"])"},
        {"lod-fine", "/Label /Description /VersionPersistentId",
         R"(["Fine","For renderings","lod-fine-v1"])"},
        {"mesh-wall-coarse", "/LodId", R"(["lod-coarse"])"},
        {"override-opening", "/IsVisible /ChildAt /BaseOccPaths /ChangeKey",
         R"([true,["body-opening","mesh-opening"],)"
         R"([["inst-storey","inst-wall-1"],["inst-storey","inst-wall-2"]],"opening-rev-3"])"},
    };
    for (const auto& [id, pointers, expected] : cases) {
        SCOPED_TRACE(id);
        Json values = Json::array();
        std::istringstream in(pointers);
        for (std::string pointer; in >> pointer;)
            values.push_back(ObjectById(model, id).at(Json::json_pointer(pointer)));
        EXPECT_EQ(JsonText(values), expected);
    }
    EXPECT_FALSE(ObjectById(model, "file-1").at("FileProperties").contains("Organization"));
    // Stored in the archive under its replaced spelling, the texture gets its own name back.
    const std::string maple = ObjectById(model, "tex-maple").at("TextureFileReference");
    EXPECT_TRUE(Contains(maple, "/grain|maple.png")) << maple;
    EXPECT_EQ(model.at(Json::json_pointer("/universe/DomainProjectContext/HistoryContext/"
                                          "OwnerHistories/0/State")),
              "kReadWrite")
        << "the owner history domain data names";
    EXPECT_FALSE(model.contains("diagnostics")) << "only with --diagnostics";
}

// The sample's notes refer only to objects read before them, and print in the text form too.
TEST_F(InspectorTest, SampleNotesResolveAndPrintAsText) {
    const Json model = Inspect("s.zip", true);
    for (const Json& entry : model.at("diagnostics"))
        EXPECT_NE(entry.at("code"), "unresolved-reference") << entry.at("path");
    const CommandResult text = RunInspector(m_dir.PathOf("s.zip") + " --all");
    ASSERT_EQ(text.exitCode, 0) << text.output;
    for (const char* line :
         {"IAnnotationCallout note-bearing \"Bearing\"", "- IAnnotationCalloutElement note-leader",
          "AnnotationPlane: plane-mid", "Value: NLGI 2", "interface: ITextFragment"})
        EXPECT_TRUE(Contains(text.output, line)) << line;
}

TEST(TextRendererTest, PrintsNestedModelsAsAnIndentedTree) {
    const Json model = {
        {"document", "d.xml"},
        {"objects", Json::array({{{"id", "a1"}, {"interface", "IAssembly"}, {"ChildCount", 2}}})}};
    std::ostringstream out;
    TextRenderer::Render(model, out);
    EXPECT_EQ(out.str(), "document: d.xml\nobjects:\n  - IAssembly a1\n    ChildCount: 2\n");
}

// The printed form of numbers is part of the output tools read; these are the forms the
// inspector has always printed.
TEST(ValueFormatterTest, NumbersPrintWholeAsIntegersAndOthersInShortestForm) {
    struct Case {
        double value;
        const char* printed;
    };
    const Case cases[] = {
        {3.0, "3"},
        {-0.0, "0"},
        {-120.0, "-120"},
        {9000000001.0, "9000000001"},
        {0.1, "0.1"},
        {2.75, "2.75"},
        {-2.5e-300, "-2.5e-300"},
        {1e-6, "1e-06"},
        {1e15, "1e+15"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JsonText(ValueFormatter::Number(c.value)), c.printed) << c.value;
    EXPECT_EQ(JsonText(ValueFormatter::Matrix(Matrix3d())), "[1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1]");
}

TEST(ValueFormatterTest, TextIsEscapedAndBadUtf8IsReplacedNotThrown) {
    EXPECT_EQ(JsonText(Json("quote \" backslash \\ newline \n tab \t bell \x07 utf8 \xC3\xA9")),
              "\"quote \\\" backslash \\\\ newline \\n tab \\t bell \\u0007 utf8 \xC3\xA9\"");
    EXPECT_EQ(JsonText(Json("cut \xC3")), "\"cut \xEF\xBF\xBD\"");
}

} // namespace
} // namespace Orvik::Inspect
