// Documents that chain objects far deeper than any real model: the load, the walk and both
// outputs end cleanly, and what the bounds cut is said.
#include "DocumentInspector.h"
#include "HierarchyTreeRenderer.h"
#include "TempDirectory.h"
#include "TextReport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace Orvik::Inspect {
namespace {

constexpr int kChain = 100000;

std::string Assembly(int index, int placed) {
    const std::string id = "a" + std::to_string(index);
    return "<IAssembly ID=\"" + id + "\"><ChildSet><IInstance ID=\"i" + std::to_string(index) +
           "\"><Child ID=\"a" + std::to_string(placed) + "\"/></IInstance></ChildSet></IAssembly>";
}

// Each assembly places the next by an instance; the last places the first, closing a cycle.
std::string ChainDocument() {
    std::string xml = R"(<XMLDocument><IFile ID="f" IsRoot="True"><ChildSet><Child ID="a0"/>)"
                      R"(</ChildSet></IFile>)";
    for (int i = 0; i < kChain; ++i)
        xml += Assembly(i, (i + 1) % kChain);
    return xml + "</XMLDocument>";
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The walk from the root and both outputs end on a chain the loader cut into segments.
TEST(DeepDocumentTest, ChainOfAHundredThousandPlacedAssembliesInspectsToTheEnd) {
    TestSupport::TempDirectory dir;
    std::ofstream(dir.PathOf("chain.xml")) << ChainDocument();
    InspectOptions options;
    options.path = dir.PathOf("chain.xml");
    options.diagnostics = true;
    const Json model = DocumentInspector(options).Inspect();

    ASSERT_GT(model["objects"].size(), 2u);
    EXPECT_EQ(model["diagnostics"][0]["code"], "limit-reached");
    std::ostringstream text;
    TextReport::Print(model, false, text);
    EXPECT_NE(text.str().find("limit-reached"), std::string::npos);
    EXPECT_FALSE(JsonText(model, 2).empty());
}

TEST(DeepDocumentTest, TreeStopsAtItsDepthWithANoteOnlyWhereSomethingIsLeftOut) {
    const auto chain = [](int length) {
        Json objects = Json::array();
        for (int i = 0; i < length; ++i) {
            Json object = {{"id", "o" + std::to_string(i)}, {"interface", "IAssembly"}};
            if (i + 1 < length)
                object["ChildAt"] = Json::array({"o" + std::to_string(i + 1)});
            objects.push_back(object);
        }
        return Json{{"rootId", "o0"}, {"objects", objects}};
    };
    const struct {
        int length;
        bool cut;
    } cases[] = {{HierarchyTreeRenderer::kMaxDepth, false},
                 {HierarchyTreeRenderer::kMaxDepth + 1, true},
                 {kChain, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::ostringstream out;
        HierarchyTreeRenderer::Render(chain(c.length), out);
        EXPECT_EQ(CountOf(out.str(), HierarchyTreeRenderer::kDeeperNote), c.cut ? 1u : 0u);
        const std::string last =
            "IAssembly o" + std::to_string(HierarchyTreeRenderer::kMaxDepth - 1);
        EXPECT_EQ(CountOf(out.str(), last + "\n"), 1u);
        EXPECT_EQ(CountOf(out.str(),
                          "IAssembly o" + std::to_string(HierarchyTreeRenderer::kMaxDepth) + "\n"),
                  0u);
    }
}

} // namespace
} // namespace Orvik::Inspect
