#include "DomParser.h"
#include "GeometryFixture.h"
#include "geometry/XMLExtensionGeometry.h"
#include "geometry/XMLGeometricSet.h"
#include "loader/Dispatcher.h"
#include "loader/KindTable.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/CurveRecordWriter.h"
#include "veld/Curve.h"

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;

// Geometric sets, extension geometry and sketches.
class GeometricSetTest : public GeometryFixture {
protected:
    // Reads a container apart from the loading pass, into the context of the last load.
    template <typename Container>
    std::unique_ptr<Container> ReadByHand(const std::string& markup, bool expected = true) {
        auto container = std::make_unique<Container>(&Context());
        EXPECT_EQ(container->Read(m_dom.Parse(markup)), expected);
        return container;
    }

    TestSupport::DomParser m_dom;
};

TEST_F(GeometricSetTest, AttributesChildrenAndLetterCaseRules) {
    LoadXml(R"(<IPoint ID="elsewhere"/>
      <IGeometricSet ID="g" Label="Group" VersionPersistentId="v7">
        <tolerance AngularTolerance="0.5" LinearTolerance="-2" ParamTolerance="0.25"/>
        <styles><StyleRef ID="st"/></styles>
        <MATERIALS><MaterialRef ID="m"/></MATERIALS>
        <Animations><AnimationRef ID="an"/></Animations>
        <ChangeKey>k1</ChangeKey>
        <Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1</Transform>
        <Unit LengthUnit="Millimeter"/>
        <ChildSet>
          <IPoint ID="p1"/><Child ID="p1"/><Child ID="elsewhere"/><Child ID="nowhere"/>
          <IPoint Label="no id"/><ICurve ID="no-curve-tables"/>
          <IExtensionGeometry ID="x1" Visibility="0"/>
        </ChildSet>
      </IGeometricSet>
      <IExtensionGeometry ID="x">
        <ChangeKey>k2</ChangeKey>
        <Materials><MaterialRef ID="m"/></Materials>
        <Animations><AnimationRef ID="an"/></Animations>
        <TOLERANCE AngularTolerance="3"/>
      </IExtensionGeometry>)");
    const auto& set = Get<IGeometricSet>("g");
    EXPECT_EQ(VersionOf(set), "v7");
    EXPECT_TRUE(set.IsVisible());
    EXPECT_TRUE(set.IsNetVisible());
    EXPECT_EQ(Tolerances(set), (Xyz{0.5, -2.0, 0.25}));
    EXPECT_EQ(Ids(set.Styles()), std::vector<std::string>{"st"});
    EXPECT_EQ(Ids(set.Materials()), std::vector<std::string>{"m"});
    IdSet animations;
    EXPECT_EQ(set.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Ids(animations), std::vector<std::string>{"an"});
    EXPECT_EQ(ChangeKeyOf(set), "k1");
    EXPECT_FALSE(set.HasTransform());
    EXPECT_EQ(UnitOf(set, &IUnit::LengthUnit), UnitTypeEnum::kUnitType_Millimeter);

    // Listed once each; what names nothing, has no id or cannot be read is left out.
    EXPECT_EQ(ChildIds(set), (std::vector<std::string>{"p1", "elsewhere", "x1"}));
    EXPECT_EQ(set.ChildAt(0).Kind(), ObjectKindEnum::kPoint);
    EXPECT_EQ(set.ChildAt(2).Kind(), ObjectKindEnum::kExtensionGeometry);
    EXPECT_FALSE(Get<IGeometry>("x1").IsVisible());
    EXPECT_EQ(ChildAtMessage(set, 3), "Invalid index to child of XMLGeometricSet.");
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnresolvedReference), std::vector<std::string>{"nowhere"});
    EXPECT_EQ(Diagnosed(DiagnosticCode::kMissingId), std::vector<std::string>{""});
    EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed), std::vector<std::string>{"no-curve-tables"});
    EXPECT_EQ(Find("no-curve-tables"), nullptr);

    // Extension geometry answers no materials and reads no change key or animations.
    const auto& extension = Get<IExtensionGeometry>("x");
    EXPECT_EQ(ChangeKeyOf(extension), std::nullopt);
    EXPECT_TRUE(extension.Materials().IsEmpty());
    EXPECT_EQ(extension.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_DOUBLE_EQ(extension.AngularTolerance(), 3.0);
    EXPECT_EQ(extension.ChildCount(), 0u);
    EXPECT_EQ(ChildAtMessage(extension, 0), "Invalid index to child of XMLExtensionGeometry.");
}

// Only a failed nested geometric set ends its child set; a failed nested extension geometry
// is dropped alone. Reading fails where containers would nest beyond the bound.
TEST_F(GeometricSetTest, FailedNestedSetEndsItsChildSetOnly) {
    LoadXml("");
    unsigned& depth = Context().Registry().NestingDepth();
    depth = Dispatcher::kMaxNestingDepth - 1;
    const std::string setMarkup = R"(<IGeometricSet ID="g"><ChildSet>
        <IPoint ID="a"/><IExtensionGeometry ID="x-fails"/><IPoint ID="c"/>
        <IGeometricSet ID="g-fails"/><IPoint ID="never"/></ChildSet>
        <ChildSet><IPoint ID="b"/></ChildSet></IGeometricSet>)";
    const auto set = ReadByHand<XMLGeometricSet>(setMarkup);
    const auto extension = ReadByHand<XMLExtensionGeometry>(R"(<IExtensionGeometry ID="x">
        <ChildSet><IExtensionGeometry ID="x-nested-fails"/><IPoint ID="d"/></ChildSet>
        </IExtensionGeometry>)");
    EXPECT_EQ(ChildIds(*set), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(ChildIds(*extension), std::vector<std::string>{"d"});
    for (const char* gone : {"x-fails", "g-fails", "never", "x-nested-fails"})
        EXPECT_EQ(Find(gone), nullptr) << gone;

    // One level further the container itself is refused, and the depth is restored after.
    depth = Dispatcher::kMaxNestingDepth;
    ReadByHand<XMLGeometricSet>(setMarkup, false);
    EXPECT_EQ(depth, Dispatcher::kMaxNestingDepth);
}

// A set offers a curve from the stream and one made from kernel curves under one id; the
// collector keeps the first, the stream curve.
TEST_F(GeometricSetTest, StreamAndKernelCurveUnderOneIdKeepTheStreamCurveOnly) {
    using Writer::CurveRecordWriter;
    const std::string line = CurveRecordWriter::Line({0, 0, 0}, {1, 0, 0}, 0, 1);
    WriteCurves({{"both", CurveRecordWriter::kLine, line},
                 {"stream-only", CurveRecordWriter::kLine, line}});
    Writer::BodyFileWriter().AddEdge({"e1", "", {}}).WriteText(m_dir.PathOf("edges.sat"));
    LoadXml(kGeometryInfo + R"(<SatInfo Path="edges.sat"/>
      <IGeometricSet ID="g"><ChildSet>
        <ICurve ID="both"><VeldEntity EntityId="e1"/></ICurve>
        <ICurve ID="kernel"><VeldEntity EntityId="e1"/></ICurve>
      </ChildSet></IGeometricSet>
      <IExtensionGeometry ID="x"><ChildSet>
        <ICurve ID="both"/><ICurve ID="stream-only"/>
      </ChildSet></IExtensionGeometry>)");
    EXPECT_EQ(ChildIds(Get<IGeometricSet>("g")), (std::vector<std::string>{"both", "kernel"}));
    EXPECT_EQ(KernelCurveCount(Find("both")), 0u) << "the stream curve keeps the id";
    EXPECT_NE(Get<ICurve>("both").CurveDataAt(0), nullptr);
    EXPECT_EQ(KernelCurveCount(Find("kernel")), 1u);

    // A later listing finds the stream curve held and refuses a new kernel curve again.
    EXPECT_EQ(ChildIds(Get<IExtensionGeometry>("x")),
              (std::vector<std::string>{"both", "stream-only"}));
    EXPECT_TRUE(Context().Cache().curvesById.empty());
    EXPECT_EQ(m_context->Collector()->Size(), 5u);
}

// Nesting far beyond the bound of containers (yet within the depth the parser accepts), built as
// raw markup since the builder nests recursively.
std::string NestedMarkup(const std::string& kind, int depth) {
    std::string markup;
    for (int level = 0; level < depth; ++level)
        markup += "<" + kind + " ID=\"n" + std::to_string(level) + "\"><ChildSet>";
    for (int level = 0; level < depth; ++level)
        markup += "</ChildSet></" + kind + ">";
    return markup;
}

TEST_F(GeometricSetTest, DeepNestingLoadsUpToTheNestingBound) {
    for (const std::string kind : {"IGeometricSet", "IExtensionGeometry"}) {
        SCOPED_TRACE(kind);
        LoadXml(NestedMarkup(kind, 480));
        // Each container counts two levels, its entry and its reading.
        const int levels = static_cast<int>(Dispatcher::kMaxNestingDepth) / 2;
        const auto children = [](IObject* object) {
            if (auto* set = dynamic_cast<IGeometricSet*>(object))
                return ChildIds(*set);
            return ChildIds(dynamic_cast<IExtensionGeometry&>(*object));
        };
        int chain = 0;
        for (IObject* object = Find("n0"); object != nullptr; ++chain) {
            const std::vector<std::string> ids = children(object);
            ASSERT_LE(ids.size(), 1u);
            object = ids.empty() ? nullptr : Find(ids[0]);
        }
        EXPECT_EQ(chain, levels);
        EXPECT_EQ(Find("n" + std::to_string(levels)), nullptr);
        EXPECT_EQ(Context().Registry().NestingDepth(), 0u);
    }
}

// A host that lets documents nest far deeper still gets a reading that nests only so deep: the
// entry at the bound is cut and said, and the load ends.
TEST_F(GeometricSetTest, NestingTenThousandDeepIsCutAtTheBoundAndSaid) {
    XMLDocumentLimits limits;
    limits.maxDepth = 30000;
    m_options.SetDocumentLimits(limits);
    LoadXml(NestedMarkup("IGeometricSet", 10000));
    const std::string cut = "n" + std::to_string(Dispatcher::kMaxNestingDepth / 2);
    EXPECT_NE(Find("n" + std::to_string(Dispatcher::kMaxNestingDepth / 2 - 1)), nullptr);
    EXPECT_EQ(Find(cut), nullptr);
    std::vector<std::string> limited;
    for (const XMLLoadDiagnostic& entry : Context().Diagnostics().Entries())
        if (entry.code == DiagnosticCode::kLimitReached)
            limited.push_back(entry.id.Value());
    EXPECT_EQ(limited, std::vector<std::string>{cut});
    EXPECT_EQ(Context().Registry().NestingDepth(), 0u);
}

// A set is held only once read, so it never lists itself, and of two sets listing each other
// only the later one resolves.
TEST_F(GeometricSetTest, SetsListingThemselvesOrEachOtherLoadOnce) {
    LoadXml(R"(<IGeometricSet ID="a"><ChildSet><Child ID="a"/><Child ID="b"/>
        <IGeometricSet ID="a-inner"><ChildSet><Child ID="a"/><Child ID="p"/></ChildSet>
        </IGeometricSet></ChildSet></IGeometricSet>
      <IGeometricSet ID="b"><ChildSet><Child ID="a"/><Child ID="b"/></ChildSet></IGeometricSet>
      <IPoint ID="p"/>)");
    EXPECT_EQ(ChildIds(Get<IGeometricSet>("a")), std::vector<std::string>{"a-inner"});
    EXPECT_EQ(ChildIds(Get<IGeometricSet>("b")), std::vector<std::string>{"a"});
    EXPECT_EQ(ChildIds(Get<IGeometricSet>("a-inner")), std::vector<std::string>{});
    EXPECT_NE(Find("p"), nullptr);
}

TEST_F(GeometricSetTest, DispatcherKeepsFailedSetsAndSketchesForLaterButDropsExtensions) {
    LoadXml("");
    ElementRegistry& registry = Context().Registry();
    for (const char* markup : {R"(<ISketch ID="k"/>)", R"(<IGeometricSet ID="g"/>)",
                               R"(<IExtensionGeometry ID="x"/>)"}) {
        const DOMElement* element = m_dom.Parse(markup);
        registry.Register(*element, *KindTable::Find(element->getNodeName()));
    }
    const auto dispatch = [&](const char* id) {
        return Dispatcher::DispatchById(Context(), UTF8String(id));
    };
    registry.NestingDepth() = Dispatcher::kMaxNestingDepth - 1;
    EXPECT_FALSE(dispatch("k"));
    EXPECT_FALSE(dispatch("g"));
    EXPECT_TRUE(dispatch("x"));
    for (const char* id : {"k", "g"})
        EXPECT_EQ(registry.Find(UTF8String(id))->state, ElementRegistry::State::kPending) << id;
    EXPECT_EQ(registry.Find(UTF8String("x"))->state, ElementRegistry::State::kConsumed);
    for (const char* id : {"k", "g", "x"})
        EXPECT_EQ(Find(id), nullptr) << id;

    // A later reference, not nested so deep, reads them.
    registry.NestingDepth() = 0;
    EXPECT_TRUE(dispatch("k"));
    EXPECT_TRUE(dispatch("g"));
    EXPECT_FALSE(dispatch("x"));
    EXPECT_EQ(KindOf(Find("k")), ObjectKindEnum::kSketch);
    EXPECT_EQ(KindOf(Find("g")), ObjectKindEnum::kGeometricSet);
    EXPECT_EQ(Find("x"), nullptr);
}

// Curves come first in a sketch's combined index. Unlike sets, a sketch is visible only for
// exactly "1" and never reads tolerances.
TEST_F(GeometricSetTest, SketchListsCurvesFirstAndIsVisibleOnlyForOne) {
    LoadXml(R"(<IPoint ID="a0"/>
      <ISketch ID="k" SketchTypeEnum="kSketchType_3D">
        <ChildSet><IPoint ID="p1"/><ICurve ID="not-a-point"/></ChildSet>
        <CurveSet><ICurve ID="c1"/><IPoint ID="not-a-curve"/><ICurve ID="c2"/><Child ID="c1"/>
        </CurveSet>
        <ChildSet><Child ID="a0"/></ChildSet>
      </ISketch>
      <ISketch ID="hidden" SketchTypeEnum="kSketchType_2D">
        <Tolerance AngularTolerance="1" LinearTolerance="2" ParamTolerance="3"/>
        <Styles><StyleRef ID="s"/></Styles>
        <netstyles><StyleRef ID="ignored"/></netstyles>
        <materials><MaterialRef ID="m"/></materials>
        <Transform>1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1</Transform>
      </ISketch>
      <ISketch ID="shown" Visibility="1" NetVisibility="True" SketchTypeEnum="kSketchType_4D"/>)");
    const auto& sketch = Get<ISketch>("k");
    EXPECT_EQ(Ids(sketch.CurveIds()), (std::vector<std::string>{"c1", "c2"}));
    EXPECT_EQ(Ids(sketch.ChildIds()), (std::vector<std::string>{"p1", "a0"}));
    ASSERT_EQ(sketch.TotalCount(), 4u);
    const std::vector<std::string> combined{"c1", "c2", "p1", "a0"};
    for (std::uint64_t i = 0; i < 4; ++i)
        EXPECT_EQ(sketch.IdAt(i).Value(), combined[i]);
    EXPECT_TRUE(sketch.IdAt(4).IsEmpty());
    EXPECT_TRUE(sketch.IdAt(~std::uint64_t(0)).IsEmpty());
    EXPECT_EQ(sketch.SketchType(), ISketch::kSketchType_3D);
    // A sketch's curves are kernel curves made from the element, with no kernel table here.
    EXPECT_EQ(Get<ICurve>("c1").CurveDataAt(0), nullptr);
    EXPECT_EQ(Find("not-a-point"), nullptr);
    EXPECT_EQ(Find("not-a-curve"), nullptr);

    const auto& hidden = Get<ISketch>("hidden");
    EXPECT_FALSE(hidden.IsVisible());
    EXPECT_FALSE(hidden.IsNetVisible());
    EXPECT_EQ(hidden.SketchType(), ISketch::kSketchType_2D);
    EXPECT_EQ(Tolerances(hidden), (Xyz{-1.0, -1.0, -1.0}));
    EXPECT_EQ(Ids(hidden.Styles()), std::vector<std::string>{"s"});
    EXPECT_TRUE(hidden.NetStyles().IsEmpty());
    EXPECT_EQ(Ids(hidden.Materials()), std::vector<std::string>{"m"});
    ASSERT_TRUE(hidden.HasTransform());
    EXPECT_DOUBLE_EQ(hidden.Transform().At(3, 0), 5.0);

    const auto& shown = Get<ISketch>("shown");
    EXPECT_TRUE(shown.IsVisible());
    EXPECT_FALSE(shown.IsNetVisible());
    EXPECT_EQ(shown.SketchType(), ISketch::kSketchType_Unknown);
    EXPECT_EQ(shown.TotalCount(), 0u);
    EXPECT_FALSE(shown.HasTransform());
}

// Sets written inside sets nest as deep as the markup does, here 10,000 levels of elements:
// past the bound the rest is cut with one diagnostic.
TEST_F(GeometricSetTest, SetsNestedInlineFarPastTheBoundAreCutOnce) {
    constexpr int kSets = 5000;
    XMLDocumentLimits limits;
    limits.maxDepth = 2 * kSets + 1;
    m_options.SetDocumentLimits(limits);
    std::string markup;
    for (int i = 0; i < kSets; ++i)
        markup += "<IGeometricSet ID=\"g" + std::to_string(i) + "\"><ChildSet>";
    for (int i = 0; i < kSets; ++i)
        markup += "</ChildSet></IGeometricSet>";
    LoadXml(markup);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kLimitReached).size(), 1u);
    EXPECT_EQ(Get<IGeometricSet>("g0").ChildCount(), 1u);
    EXPECT_EQ(Find("g" + std::to_string(kSets - 1)), nullptr);
}

} // namespace
} // namespace Orvik::Test
