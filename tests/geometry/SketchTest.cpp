#include "LoaderFixture.h"

#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

std::vector<std::string> Ids(const IdSet& ids) {
    std::vector<std::string> values;
    for (const UTF8String& id : ids)
        values.push_back(id.Value());
    return values;
}

class SketchTest : public LoaderFixture {
protected:
    ISketch& SketchOf(const std::string& id) {
        auto* sketch = dynamic_cast<ISketch*>(m_context->FindObject(UTF8String(id)));
        EXPECT_NE(sketch, nullptr) << id;
        return *sketch;
    }
};

TEST_F(SketchTest, CurvesComeFirstInTheCombinedIndex) {
    Load([](Writer::XmlDocumentBuilder& b) {
        b.Element("IPoint", {{"ID", "p0"}});
        b.Open("ISketch").Attribute("ID", "k").Attribute("SketchTypeEnum", "kSketchType_3D");
        b.Open("ChildSet");
        b.Element("IPoint", {{"ID", "p1"}});
        b.Element("ICurve", {{"ID", "not-a-point"}});
        b.Close();
        b.Open("CurveSet");
        b.Element("ICurve", {{"ID", "c1"}});
        b.Element("IPoint", {{"ID", "not-a-curve"}});
        b.Element("ICurve", {{"ID", "c2"}});
        b.Element("Child", {{"ID", "c1"}});
        b.Close();
        b.Open("ChildSet").Element("Child", {{"ID", "p0"}}).Close();
        b.Close();
    });
    const ISketch& sketch = SketchOf("k");
    EXPECT_EQ(Ids(sketch.CurveIds()), (std::vector<std::string>{"c1", "c2"}));
    EXPECT_EQ(Ids(sketch.ChildIds()), (std::vector<std::string>{"p1", "p0"}));
    ASSERT_EQ(sketch.TotalCount(), 4u);
    const std::vector<std::string> combined{"c1", "c2", "p1", "p0"};
    for (std::uint64_t i = 0; i < 4; ++i)
        EXPECT_EQ(sketch.IdAt(i).Value(), combined[i]);
    EXPECT_TRUE(sketch.IdAt(4).IsEmpty());
    EXPECT_TRUE(sketch.IdAt(~std::uint64_t(0)).IsEmpty());
    EXPECT_EQ(sketch.SketchType(), ISketch::kSketchType_3D);
    // A sketch's curves are kernel curves made from the element, with no kernel table here.
    auto* curve = dynamic_cast<ICurve*>(m_context->FindObject(UTF8String("c1")));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->CurveDataAt(0), nullptr);
    EXPECT_EQ(m_context->FindObject(UTF8String("not-a-point")), nullptr);
    EXPECT_EQ(m_context->FindObject(UTF8String("not-a-curve")), nullptr);
}

TEST_F(SketchTest, VisibilityNeedsOneAndTolerancesAreNeverRead) {
    Load([](Writer::XmlDocumentBuilder& b) {
        b.Open("ISketch").Attribute("ID", "hidden").Attribute("SketchTypeEnum", "kSketchType_2D");
        b.Element("Tolerance",
                  {{"AngularTolerance", "1"}, {"LinearTolerance", "2"}, {"ParamTolerance", "3"}});
        b.Open("Styles").Element("StyleRef", {{"ID", "s"}}).Close();
        b.Open("netstyles").Element("StyleRef", {{"ID", "ignored"}}).Close();
        b.Open("materials").Element("MaterialRef", {{"ID", "m"}}).Close();
        b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1");
        b.Close();
        b.Element("ISketch", {{"ID", "shown"},
                              {"Visibility", "1"},
                              {"NetVisibility", "True"},
                              {"SketchTypeEnum", "kSketchType_4D"}});
        b.Element("IGeometricSet", {{"ID", "set"}});
    });
    const ISketch& hidden = SketchOf("hidden");
    EXPECT_FALSE(hidden.IsVisible());
    EXPECT_FALSE(hidden.IsNetVisible());
    EXPECT_EQ(hidden.SketchType(), ISketch::kSketchType_2D);
    EXPECT_DOUBLE_EQ(hidden.AngularTolerance(), -1.0);
    EXPECT_DOUBLE_EQ(hidden.LinearTolerance(), -1.0);
    EXPECT_DOUBLE_EQ(hidden.ParamTolerance(), -1.0);
    EXPECT_EQ(Ids(hidden.Styles()), std::vector<std::string>{"s"});
    EXPECT_TRUE(hidden.NetStyles().IsEmpty());
    EXPECT_EQ(Ids(hidden.Materials()), std::vector<std::string>{"m"});
    ASSERT_TRUE(hidden.HasTransform());
    EXPECT_DOUBLE_EQ(hidden.Transform().At(3, 0), 5.0);

    const ISketch& shown = SketchOf("shown");
    EXPECT_TRUE(shown.IsVisible());
    EXPECT_FALSE(shown.IsNetVisible());
    EXPECT_EQ(shown.SketchType(), ISketch::kSketchType_Unknown);
    EXPECT_EQ(shown.TotalCount(), 0u);
    EXPECT_FALSE(shown.HasTransform());

    auto* set = dynamic_cast<IGeometricSet*>(m_context->FindObject(UTF8String("set")));
    ASSERT_NE(set, nullptr);
    EXPECT_TRUE(set->IsVisible());
    EXPECT_TRUE(set->IsNetVisible());
}

} // namespace
} // namespace Orvik::Test
