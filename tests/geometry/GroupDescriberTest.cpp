#include "LoaderFixture.h"
#include "ObjectDescriber.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

using Inspect::JsonValue;
using Inspect::ObjectDescriber;

class GroupDescriberTest : public LoaderFixture {
protected:
    JsonValue Describe(const char* id) {
        IObject* object = m_context->FindObject(UTF8String(id));
        EXPECT_NE(object, nullptr) << id;
        return m_describer.Describe(*object);
    }

    bool Refers(const char* id) const {
        const auto& ids = m_describer.ReferencedIds();
        return std::find(ids.begin(), ids.end(), UTF8String(id)) != ids.end();
    }

    static std::vector<std::string> Texts(const JsonValue* list) {
        std::vector<std::string> texts;
        if (list != nullptr)
            for (const JsonValue& item : list->Items())
                texts.push_back(item.IsNull() ? "null" : item.AsString());
        return texts;
    }

    ObjectDescriber m_describer;
};

TEST_F(GroupDescriberTest, ChildrenAndSketchIdsAreListedAndWalked) {
    Load([](Writer::XmlDocumentBuilder& b) {
        b.Open("IGeometricSet").Attribute("ID", "g").Open("ChildSet");
        b.Element("IPoint", {{"ID", "p"}});
        b.Element("IExtensionGeometry", {{"ID", "x"}});
        b.Close().Close();
        b.Open("ISketch").Attribute("ID", "k").Attribute("SketchTypeEnum", "kSketchType_2D");
        b.Open("CurveSet").Element("ICurve", {{"ID", "c"}}).Close();
        b.Open("ChildSet").Element("Child", {{"ID", "p"}}).Close();
        b.Close();
        b.Element("ISketch", {{"ID", "untyped"}});
    });
    JsonValue set = Describe("g");
    EXPECT_EQ(set.Find("interface")->AsString(), "IGeometricSet");
    EXPECT_DOUBLE_EQ(set.Find("ChildCount")->AsNumber(), 2.0);
    EXPECT_EQ(Texts(set.Find("ChildAt")), (std::vector<std::string>{"p", "x"}));
    EXPECT_EQ(set.Find("Transform"), nullptr);
    EXPECT_TRUE(Refers("p") && Refers("x"));

    JsonValue extension = Describe("x");
    EXPECT_EQ(extension.Find("interface")->AsString(), "IExtensionGeometry");
    EXPECT_DOUBLE_EQ(extension.Find("ChildCount")->AsNumber(), 0.0);

    JsonValue sketch = Describe("k");
    EXPECT_EQ(sketch.Find("interface")->AsString(), "ISketch");
    EXPECT_EQ(sketch.Find("SketchType")->AsString(), "kSketchType_2D");
    EXPECT_DOUBLE_EQ(sketch.Find("TotalCount")->AsNumber(), 2.0);
    EXPECT_EQ(Texts(sketch.Find("IdAt")), (std::vector<std::string>{"c", "p"}));
    EXPECT_FALSE(sketch.Find("IsVisible")->AsBool());
    EXPECT_TRUE(Refers("c") && Refers("p"));
    EXPECT_TRUE(Describe("untyped").Find("SketchType")->IsNull());
}

} // namespace
} // namespace Orvik::Test
