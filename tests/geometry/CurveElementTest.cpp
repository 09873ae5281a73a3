#include "DomParser.h"
#include "GeometryFixture.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/XMLCurve.h"
#include "veld/Curve.h"

#include <sstream>
#include <stdexcept>

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;

std::unique_ptr<Veld::curve> KernelLine(double length) {
    Veld::LineGeometry line;
    line.direction = {1.0, 0.0, 0.0};
    line.end = length;
    return std::make_unique<Veld::curve>(line);
}

std::size_t KernelCurveCount(const IObject* object) {
    std::vector<const Veld::curve*> curves;
    dynamic_cast<const XMLCurve&>(*object).KernelCurves(curves);
    return curves.size();
}

// The ways an element becomes a curve, against side tables filled by hand.
class CurveElementTest : public ::testing::Test {
protected:
    // A stream curve waiting in the table under its id, holding one line record.
    void AddStreamCurve(const std::string& id) {
        std::istringstream in(std::string(64, '\0'));
        Context().Cache().curvesById[UTF8String(id)] =
            std::make_unique<XMLCurve>(&Context(), &in, 1, false);
    }

    ReadContext& Context() { return m_producer.Context(); }
    ExternalGeometryTables Tables() { return Context().Cache().GeometryTables(); }
    const DOMElement& Parse(const std::string& xml) { return *m_dom.Parse(xml); }
    std::size_t Held() { return m_producer.Collector()->Size(); }

    TestSupport::DomParser m_dom;
    XMLProducerOptions m_options;
    XMLProducerImpl m_producer{UTF16String("unused.xml"), &m_options};
};

TEST_F(CurveElementTest, AttributesAndChildrenWithTheirLetterCaseRules) {
    XMLCurve curve(&Context());
    ASSERT_TRUE(curve.ParseCurveElement(&Parse(R"(<ICurve ID="c" Label="Edge">
        <styles><StyleRef ID="s1"/></styles>
        <NETSTYLES><StyleRef ID="s2"/></NETSTYLES>
        <materials><MaterialRef ID="m1"/></materials>
        <extensiondata TypeId="t"/>
        <Tolerance AngularTolerance="-2" LinearTolerance="0.5" ParamTolerance="0.25"/>
        <Unit LengthUnit="kUnitType_Millimeter" DisplayLengthUnit="kUnitType_Meter"/>
        <ChangeKey>k1</ChangeKey>
        <Transform>1 0 0 5 0 1 0 0 0 0 1 0</Transform>
      </ICurve>)"),
                                        {}));
    EXPECT_EQ(curve.Id(), UTF8String("c"));
    EXPECT_EQ(curve.Label(), UTF16String(u"Edge"));
    EXPECT_TRUE(curve.IsVisible());
    EXPECT_TRUE(curve.IsNetVisible());
    EXPECT_EQ(Ids(curve.Styles()), std::vector<std::string>{"s1"});
    EXPECT_EQ(Ids(curve.NetStyles()), std::vector<std::string>{"s2"});
    EXPECT_EQ(Ids(curve.Materials()), std::vector<std::string>{"m1"});
    ExtensionDataContent content;
    EXPECT_EQ(curve.ExtensionDataByTypeId(UTF8String("t"), content),
              IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(Tolerances(curve), (Xyz{-2.0, 0.5, 0.25}));
    EXPECT_EQ(UnitOf(curve, &IUnit::LengthUnit), UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(UnitOf(curve, &IUnit::DisplayLengthUnit), UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(ChangeKeyOf(curve), "k1");
    ASSERT_TRUE(curve.HasTransform());
    EXPECT_EQ(curve.Transform().At(0, 3), 5.0);

    // Visible unless the attribute says anything but "1"; an identity transform is none.
    XMLCurve other(&Context());
    other.ParseCurveElement(&Parse(R"(<ICurve ID="c2" Visibility="0" NetVisibility="True"
        VersionPersistentId="v7"><Transform>1 0 0 0 0 1 0 0 0 0 1 0</Transform></ICurve>)"),
                            {});
    EXPECT_FALSE(other.IsVisible());
    EXPECT_FALSE(other.IsNetVisible());
    EXPECT_EQ(VersionOf(other), "v7");
    EXPECT_FALSE(other.HasTransform());
}

TEST_F(CurveElementTest, KernelCurvesCopiedPerListingAndOneNullRecord) {
    EdgeCurveTable edges;
    edges[UTF8String("e1")] = KernelLine(2.0);
    edges[UTF8String("e2")] = KernelLine(3.0);
    XMLCurve curve(&Context());
    curve.ParseCurveElement(&Parse(R"(<ICurve ID="k">
        <VeldEntity EntityId="e1"/><VeldEntity EntityId="missing"/>
        <VeldEntity EntityId="e2"/><VeldEntity EntityId="e1"/></ICurve>)"),
                            edges);
    std::vector<const Veld::curve*> kernel;
    curve.KernelCurves(kernel);
    ASSERT_EQ(kernel.size(), 3u);
    EXPECT_EQ(kernel[0]->line()->end, 2.0);
    EXPECT_EQ(kernel[1]->line()->end, 3.0);
    // Copies: the table keeps its own curves, and the curve destroys only its copies.
    EXPECT_NE(kernel[0], edges[UTF8String("e1")].get());
    EXPECT_NE(kernel[0], kernel[2]);
    EXPECT_EQ(curve.CurveDataCount(), 1u);
    EXPECT_EQ(curve.CurveDataAt(0), nullptr);
    EXPECT_THROW(curve.CurveDataAt(1), std::out_of_range);
}

TEST_F(CurveElementTest, ChildCurvePrefersTheStreamAndFallsBackToKernelCurves) {
    const DOMElement& element = Parse(R"(<ICurve ID="c1"><VeldEntity EntityId="e"/></ICurve>)");
    EXPECT_EQ(CurveElementReaders::ReadChildCurve(Context(), element, Tables()), nullptr);

    AddStreamCurve("c1");
    Context().Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    IObject* stream = CurveElementReaders::ReadChildCurve(Context(), element, Tables());
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(KernelCurveCount(stream), 0u);
    IObject* made = CurveElementReaders::ReadChildCurve(
        Context(), Parse(R"(<ICurve ID="c2"><VeldEntity EntityId="e"/></ICurve>)"), Tables());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(KernelCurveCount(made), 1u);
    EXPECT_EQ(Held(), 2u);
}

TEST_F(CurveElementTest, DispatchRuleTakesCachedCurveAndMakesNoSecond) {
    const DOMElement& element = Parse(R"(<ICurve ID="c1"/>)");
    auto outcome = CurveElementReaders::DispatchCurve(Context(), element, Tables());
    EXPECT_FALSE(outcome.result);
    EXPECT_FALSE(outcome.consumed);

    AddStreamCurve("c1");
    AddStreamCurve("c9");
    outcome = CurveElementReaders::DispatchCurve(Context(), element, Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    IObject* first = Context().Find(UTF8String("c1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Context().Cache().curvesById.count(UTF8String("c1")), 0u);

    Context().Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    outcome = CurveElementReaders::DispatchCurve(Context(), element, Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(Held(), 1u);
    EXPECT_EQ(Context().Find(UTF8String("c1")), first);

    // A stream table without this id: the kernel step makes the curve.
    outcome = CurveElementReaders::DispatchCurve(Context(), Parse(R"(<ICurve ID="k"/>)"), Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    EXPECT_EQ(Held(), 2u);
}

} // namespace
} // namespace Orvik::Test
