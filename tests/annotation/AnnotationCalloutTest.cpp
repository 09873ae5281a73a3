#include "GeometryFixture.h"
#include "annotation/XMLAnnotationCallout.h"
#include "orvik/api/IAnnotationCallout.h"
#include "orvik/api/IAnnotationCalloutElement.h"
#include "orvik/api/IText.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/CurveRecordWriter.h"

#include <stdexcept>

namespace Orvik::Test {
namespace {

using CalloutTest = GeometryFixture;
using Kinds = std::vector<ObjectKindEnum>;

template <typename Container>
Kinds ChildKinds(const Container& container) {
    Kinds kinds;
    for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
        kinds.push_back(container.ChildAt(i).Kind());
    return kinds;
}

std::optional<std::string> PlaneOf(const IAnnotationCallout& callout) {
    UTF8String plane("untouched");
    if (callout.AnnotationPlane(plane) != IsValueSpecifiedEnum::kSpecified)
        return std::nullopt;
    return plane.Value();
}

TEST_F(CalloutTest, CalloutListsItsElementsAndWhatWasReadBeforeItOnce) {
    LoadXml(R"(<IPoint ID="a-point"/>
      <IAnnotationCallout ID="c" Label="Note" VersionPersistentId="v1">
        <ExtensionData TypeId="t" Content="payload"/>
        <ChildSet>
          <Child ID="a-point"/><Child ID="a-point"/>
          <IAnnotationCalloutElement ID="e1" Label="Leader"/><Child ID="e1"/>
          <Child ID="z-later"/><IPoint ID="not-a-callout-kind"/><IAnnotationCalloutElement/>
        </ChildSet>
      </IAnnotationCallout>
      <IPoint ID="z-later"/>)");
    const auto& callout = Get<IAnnotationCallout>("c");
    EXPECT_EQ(callout.Label().ToUTF8(), "Note");
    EXPECT_EQ(VersionOf(callout), "v1");
    ExtensionDataContent extension;
    EXPECT_EQ(callout.ExtensionDataByTypeId(UTF8String("t"), extension),
              IsValueSpecifiedEnum::kSpecified);
    EXPECT_TRUE(callout.IsVisible()) << "visible without \"Visibility\"";
    EXPECT_EQ(PlaneOf(callout), std::nullopt);
    EXPECT_EQ(callout.Text(), nullptr);
    EXPECT_TRUE(callout.Materials().IsEmpty());

    EXPECT_EQ(ChildIds(callout), (std::vector<std::string>{"a-point", "e1"}));
    EXPECT_EQ(ChildKinds(callout),
              (Kinds{ObjectKindEnum::kPoint, ObjectKindEnum::kAnnotationCalloutElement}));
    EXPECT_EQ(Get<IAnnotationCalloutElement>("e1").Label().ToUTF8(), "Leader");
    EXPECT_EQ(ChildAtMessage(callout, callout.ChildCount()),
              "Invalid index to child of XMLAnnotationCallout.");
    EXPECT_EQ(Find("not-a-callout-kind"), nullptr);
    EXPECT_NE(Find("z-later"), nullptr) << "made by the loading pass, not by the reference";
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnresolvedReference), std::vector<std::string>{"z-later"});
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnknownChild),
              std::vector<std::string>{"not-a-callout-kind"});
    EXPECT_EQ(Diagnosed(DiagnosticCode::kMissingId), std::vector<std::string>{""});
}

TEST_F(CalloutTest, VisibilityAndTextFollowTheLastWord) {
    const struct {
        const char* attributes;
        const char* children;
        bool visible;
        std::optional<std::int32_t> justification;
    } cases[] = {
        {"", "", true, std::nullopt},
        {R"(Visibility="0")", "<IText/>", false, 1},
        {R"(Visibility="1")", R"(<IText TextJustification="4"/>)", true, 4},
        // A later text replaces the earlier one whole.
        {R"(Visibility="junk")", R"(<IText TextJustification="4"><ITextLine/></IText><IText/>)",
         true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.attributes) + c.children);
        LoadXml(std::string(R"(<IAnnotationCallout ID="c" )") + c.attributes + ">" + c.children +
                "</IAnnotationCallout>");
        const auto& callout = Get<IAnnotationCallout>("c");
        EXPECT_EQ(callout.IsVisible(), c.visible);
        ASSERT_EQ(callout.Text() != nullptr, c.justification.has_value());
        if (!c.justification)
            continue;
        std::int32_t justification = -7;
        callout.Text()->TextJustification(justification);
        EXPECT_EQ(justification, *c.justification);
        EXPECT_EQ(callout.Text()->TextLineCount(), 0u);
    }
}

// A plane is named by reference or written in place; the last that resolves wins.
TEST_F(CalloutTest, AnnotationPlaneIsTheLastPlaneThatResolves) {
    const struct {
        const char* plane;
        std::optional<std::string> id;
    } cases[] = {
        {"<AnnotationPlane/>", std::nullopt},
        {R"(<AnnotationPlane><Child ID="a-plane"/></AnnotationPlane>)", "a-plane"},
        {R"(<AnnotationPlane><IWorkPlane ID="inline"/></AnnotationPlane>)", "inline"},
        {R"(<AnnotationPlane><IWorkPlane ID="inline"/><Child ID="a-plane"/></AnnotationPlane>)",
         "a-plane"},
        {R"(<AnnotationPlane><Child ID="a-plane"/><Child ID="z-plane"/></AnnotationPlane>)",
         "a-plane"},
        {R"(<AnnotationPlane><Child ID="a-plane"/></AnnotationPlane>
            <AnnotationPlane><IWorkPlane ID="inline"/><Other ID="b"/></AnnotationPlane>)",
         "inline"},
        {R"(<AnnotationPlane><Child ID="nowhere"/><IWorkPoint ID="w"/></AnnotationPlane>)",
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plane);
        LoadXml(std::string(R"(<IWorkPlane ID="a-plane"/><IAnnotationCallout ID="c">)") + c.plane +
                R"(</IAnnotationCallout><IWorkPlane ID="z-plane"/>)");
        EXPECT_EQ(PlaneOf(Get<IAnnotationCallout>("c")), c.id);
        if (c.id == std::optional<std::string>("inline")) {
            EXPECT_EQ(KindOf(Find("inline")), ObjectKindEnum::kWorkPlane);
        }
    }
}

// Curves and meshes of the side files, points written in place, references to objects read
// before; "Styles" in any letter case.
TEST_F(CalloutTest, ElementPointsAtCurvesPointsAndMeshes) {
    Writer::GeometryStreamWriter stream(true, false);
    stream.AddCurveRecord("sc", Writer::CurveRecordWriter::kLine,
                          Writer::CurveRecordWriter::Line({0, 0, 0}, {1, 0, 0}, 0.0, 1.0));
    Writer::StreamMesh mesh;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    mesh.polygons = {{{0, 1, 2}, {}}};
    stream.AddMesh("sm", mesh);
    stream.WriteTo(m_dir.PathOf("geom.bin"));
    LoadXml(kGeometryInfo + R"(<IPoint ID="a-point"/>
      <IAnnotationCalloutElement ID="e" VersionPersistentId="v2">
        <STYLES><StyleRef ID="s1"/></STYLES><styles><StyleRef ID="s2"/></styles>
        <ChildSet>
          <ICurve ID="sc"/><ICurve ID="in-neither-table"/><IPoint ID="pt"/>
          <IPolygonMesh ID="sm"/><IPolygonMesh ID="no-mesh"/>
          <Child ID="a-point"/><Child ID="pt"/><Child ID="z-later"/><IWorkPlane ID="wp"/>
        </ChildSet>
      </IAnnotationCalloutElement>
      <IPoint ID="z-later"/>)");
    const auto& element = Get<IAnnotationCalloutElement>("e");
    EXPECT_EQ(VersionOf(element), "v2");
    EXPECT_EQ(Ids(element.Styles()), (std::vector<std::string>{"s1", "s2"}));
    EXPECT_EQ(ChildIds(element), (std::vector<std::string>{"sc", "pt", "sm", "a-point"}));
    EXPECT_EQ(ChildKinds(element), (Kinds{ObjectKindEnum::kCurve, ObjectKindEnum::kPoint,
                                          ObjectKindEnum::kPolygonMesh, ObjectKindEnum::kPoint}));
    EXPECT_EQ(ChildAtMessage(element, 4), "Invalid index to child of XMLAnnotationCalloutElement.");
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnresolvedReference),
              (std::vector<std::string>{"in-neither-table", "z-later"}));
    EXPECT_EQ(Find("in-neither-table"), nullptr);
    EXPECT_EQ(Find("wp"), nullptr) << "not a kind a callout element holds";
}

// A kernel curve that cannot be made ends the element's child set; earlier children stay.
TEST_F(CalloutTest, FailedKernelCurveEndsTheElementsChildSet) {
    Writer::BodyFileWriter().AddEdge({"edge", "", {}}).WriteText(m_dir.PathOf("edges.sat"));
    LoadXml(R"(<SatInfo Path="edges.sat"/>
      <IAnnotationCalloutElement ID="e"><ChildSet>
        <IPoint ID="before"/><ICurve ID="edge"><VeldEntity EntityId="edge"/></ICurve>
        <ICurve ID="edge"/><IPoint ID="after"/>
      </ChildSet></IAnnotationCalloutElement>)");
    EXPECT_EQ(ChildIds(Get<IAnnotationCalloutElement>("e")),
              (std::vector<std::string>{"before", "edge"}));
    EXPECT_EQ(KernelCurveCount(Find("edge")), 1u);
    EXPECT_EQ(Find("after"), nullptr);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed), std::vector<std::string>{"edge"});
}

// Callouts stand in assemblies, parts and at the top level; callout elements at the top level
// too, so that none written there is lost.
TEST_F(CalloutTest, CalloutsAndElementsStandWhereTheyMayAndBecomeObjects) {
    LoadXml(R"(<IAssembly ID="asm"><ChildSet><IAnnotationCallout ID="in-asm"/></ChildSet>
      </IAssembly>
      <IPart ID="part"><ChildSet><IAnnotationCallout ID="in-part"/></ChildSet></IPart>
      <IAnnotationCallout ID="top"/><IAnnotationCalloutElement ID="top-element"/>
      <IGeometricSet ID="set"><ChildSet><IAnnotationCallout ID="in-set"/></ChildSet>
      </IGeometricSet>)");
    EXPECT_EQ(ChildKinds(Get<IAssembly>("asm")), Kinds{ObjectKindEnum::kAnnotationCallout});
    EXPECT_EQ(ChildKinds(Get<IPart>("part")), Kinds{ObjectKindEnum::kAnnotationCallout});
    EXPECT_EQ(KindOf(Find("top")), ObjectKindEnum::kAnnotationCallout);
    EXPECT_EQ(KindOf(Find("top-element")), ObjectKindEnum::kAnnotationCalloutElement);
    EXPECT_EQ(Find("in-set"), nullptr);
}

// Nothing is held while it is read, so a callout or element listing itself, or an element
// listing its callout, lists nothing; a later one resolves them.
TEST_F(CalloutTest, SelfReferencesLoadWithoutRecursion) {
    LoadXml(R"(<IAnnotationCallout ID="c"><ChildSet><Child ID="c"/>
        <IAnnotationCalloutElement ID="e"><ChildSet><Child ID="c"/><Child ID="e"/></ChildSet>
        </IAnnotationCalloutElement></ChildSet>
        <AnnotationPlane><Child ID="c"/></AnnotationPlane></IAnnotationCallout>
      <IAnnotationCalloutElement ID="z"><ChildSet><Child ID="c"/><Child ID="e"/><Child ID="z"/>
      </ChildSet></IAnnotationCalloutElement>)");
    const auto& callout = Get<IAnnotationCallout>("c");
    EXPECT_EQ(ChildIds(callout), std::vector<std::string>{"e"});
    EXPECT_EQ(PlaneOf(callout), std::nullopt);
    EXPECT_EQ(ChildIds(Get<IAnnotationCalloutElement>("e")), std::vector<std::string>{});
    EXPECT_EQ(ChildIds(Get<IAnnotationCalloutElement>("z")), (std::vector<std::string>{"c", "e"}));
}

// Ids are kept as read and looked up at each call: an object let go answers an empty child.
TEST_F(CalloutTest, ChildrenAreLookedUpAtEachCall) {
    XMLProducerImpl& producer = LoadXml(R"(<IPoint ID="a-point"/>
      <IAnnotationCallout ID="c"><ChildSet><Child ID="a-point"/></ChildSet></IAnnotationCallout>)");
    const auto& callout = Get<IAnnotationCallout>("c");
    EXPECT_EQ(callout.ChildAt(0).Kind(), ObjectKindEnum::kPoint);
    producer.Dispose(UTF8String("a-point"));
    EXPECT_EQ(callout.ChildCount(), 1u);
    EXPECT_TRUE(callout.ChildAt(0).IsEmpty());
}

TEST_F(CalloutTest, UnderAnIdPrefixReferencesNameTheNewIds) {
    LoadXml(R"(<IWorkPlane ID="a-plane" Label="plane"/><IPoint ID="a-point" Label="point"/>
      <IAnnotationCallout ID="c" Label="callout"><AnnotationPlane><Child ID="a-plane"/>
      </AnnotationPlane><ChildSet><Child ID="a-point"/></ChildSet></IAnnotationCallout>)",
            "P");
    std::map<std::string, UTF8String> idByLabel;
    m_context->Collector()->ForEach(
        [&](IObject& object) { idByLabel[object.Label().ToUTF8()] = object.Id(); });
    const auto* callout = dynamic_cast<IAnnotationCallout*>(Find(idByLabel["callout"].Value()));
    ASSERT_NE(callout, nullptr);
    EXPECT_EQ(PlaneOf(*callout), idByLabel["plane"].Value());
    EXPECT_EQ(ChildIds(*callout), std::vector<std::string>{idByLabel["point"].Value()});
}

} // namespace
} // namespace Orvik::Test
