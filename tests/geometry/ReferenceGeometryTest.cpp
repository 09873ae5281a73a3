#include "DomParser.h"
#include "GeometryFixture.h"
#include "geometry/XMLCoordSys.h"
#include "geometry/XMLCurve.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLPointCloud.h"
#include "geometry/XMLWorkAxis.h"
#include "geometry/XMLWorkPlane.h"
#include "geometry/XMLWorkPoint.h"
#include "loader/Dispatcher.h"
#include "orvik/api/ObjectKind.h"
#include "orvik/writer/PropertyFileWriter.h"

#include <optional>
#include <utility>

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;
using Child = std::pair<std::string, ObjectKindEnum>;

// Points, clouds, frames and work features. Frames stand only in components, so the elements
// here are read from a part's child set.
class ReferenceGeometryTest : public GeometryFixture {
protected:
    void LoadInPart(const std::string& markup) {
        LoadXml("<IPart ID=\"prt\"><ChildSet>" + markup + "</ChildSet></IPart>");
    }
};

TEST_F(ReferenceGeometryTest, PointTakesItsListsInAnyLetterCase) {
    LoadInPart(R"(<IPoint ID="p1" Label="Tip" VersionPersistentId="v9">
        <Point X="1.5" Y="-2" Z="3e2"/>
        <ChangeKey>ck-1</ChangeKey>
        <Unit LengthUnit="Millimeter" DisplayLengthUnit="Meter"/>
        <styles><StyleRef ID="s1"/></styles>
        <NETSTYLES><StyleRef ID="s2"/></NETSTYLES>
        <materials><MaterialRef ID="m1"/></materials>
        <Transform>1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1</Transform>
      </IPoint>)");
    const auto& point = Get<IPoint>("p1");
    EXPECT_EQ(point.Label().ToUTF8(), "Tip");
    EXPECT_EQ((Xyz{point.X(), point.Y(), point.Z()}), (Xyz{1.5, -2.0, 300.0}));
    EXPECT_EQ(VersionOf(point), "v9");
    EXPECT_EQ(ChangeKeyOf(point), "ck-1");
    EXPECT_EQ(UnitOf(point, &IUnit::LengthUnit), UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(UnitOf(point, &IUnit::DisplayLengthUnit), UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(UnitOf(point, &IUnit::DisplayAngleUnit), std::nullopt);
    EXPECT_EQ(Ids(point.Styles()), std::vector<std::string>{"s1"});
    EXPECT_EQ(Ids(point.NetStyles()), std::vector<std::string>{"s2"});
    EXPECT_EQ(Ids(point.Materials()), std::vector<std::string>{"m1"});
    EXPECT_DOUBLE_EQ(point.Transform().At(3, 0), 5.0);
}

TEST_F(ReferenceGeometryTest, PointPositionIsTheLastPointWithZeroForBadNumbers) {
    const std::pair<const char*, Xyz> cases[] = {
        {"", {0, 0, 0}},
        {R"(<Point X="4" Y="abc" Z=""/>)", {4, 0, 0}},
        {R"(<Point X="one" Y="1e999" Z="--"/>)", {0, 0, 0}},
        {R"(<Point X="4" Y="5" Z="6"/><Point Z="1"/>)", {0, 0, 1}}};
    for (const auto& [children, position] : cases) {
        SCOPED_TRACE(children);
        LoadInPart(std::string(R"(<IPoint ID="p">)") + children + "</IPoint>");
        const auto& point = Get<IPoint>("p");
        EXPECT_EQ((Xyz{point.X(), point.Y(), point.Z()}), position);
    }
}

// Visible when the attribute is absent or exactly "1"; no kind takes a tolerance.
TEST_F(ReferenceGeometryTest, VisibilityAndTolerancesOfEveryKind) {
    const struct {
        std::string kind;
        const char* attributes;
        bool visible;
        bool netVisible;
    } cases[] = {{"IPoint", "", true, true},
                 {"IPointCloud", "", true, true},
                 {"ICoordSys", "", true, true},
                 {"IWorkAxis", "", true, true},
                 {"IWorkPlane", "", true, true},
                 {"IWorkPoint", "", true, true},
                 {"IPoint", R"(Visibility="0" NetVisibility="1")", false, true},
                 {"IPointCloud", R"(Visibility="true")", false, true},
                 {"IWorkAxis", R"(Visibility="1" NetVisibility="")", true, false},
                 {"IWorkPoint", R"(Visibility="yes")", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind + " " + c.attributes);
        LoadInPart(
            "<" + c.kind + " ID=\"g\" " + c.attributes +
            R"(><Tolerance AngularTolerance="0.1" LinearTolerance="0.2" ParamTolerance="0.3"/>
                   <tolerance AngularTolerance="0.1"/></)" +
            c.kind + ">");
        const auto& geometry = Get<IGeometry>("g");
        EXPECT_EQ(geometry.IsVisible(), c.visible);
        EXPECT_EQ(geometry.IsNetVisible(), c.netVisible);
        EXPECT_EQ(Tolerances(geometry), (Xyz{-1.0, -1.0, -1.0}));
    }
}

// Whole points only, over every list; text that is no number stands for 0.
TEST_F(ReferenceGeometryTest, PointCloudAnswersWholePointsOfEveryList) {
    const std::pair<const char*, std::vector<Xyz>> cases[] = {
        {R"(<PointCloud PointCloudCoordinates="1 2 3  4 5 6 7"/>)", {{1, 2, 3}, {4, 5, 6}}},
        {R"(<PointCloud PointCloudCoordinates="1 2 3"/>
            <PointCloud PointCloudCoordinates="x 8 NaN"/>)",
         {{1, 2, 3}, {0, 8, 0}}},
        {R"(<PointCloud PointCloudCoordinates=""/>)", {}},
        {R"(<PointCloud PointCloudCoordinates="   "/>)", {}},
        {"<PointCloud/>", {}},
    };
    for (const auto& [children, points] : cases) {
        SCOPED_TRACE(children);
        LoadInPart(std::string(R"(<IPointCloud ID="c">)") + children + "</IPointCloud>");
        const auto& cloud = Get<IPointCloud>("c");
        ASSERT_EQ(cloud.PointCount(), points.size());
        for (std::uint64_t i = 0; i < points.size(); ++i) {
            Xyz xyz{};
            cloud.PointAt(i, xyz[0], xyz[1], xyz[2]);
            EXPECT_EQ(xyz, points[i]) << i;
        }
        // Past the end nothing is written.
        Xyz untouched{-7.0, -7.0, -7.0};
        cloud.PointAt(points.size(), untouched[0], untouched[1], untouched[2]);
        cloud.PointAt(~std::uint64_t{0}, untouched[0], untouched[1], untouched[2]);
        EXPECT_EQ(untouched, (Xyz{-7.0, -7.0, -7.0}));
    }
}

// Frames and work features take their common children in exact letter case only, and their
// properties from beside the document as any entity.
TEST_F(ReferenceGeometryTest, FramesAndWorkFeaturesAnswerTheirTriplesOrZero) {
    Writer::PropertyFileWriter writer;
    for (const char* id : {"a1", "w", "wpl", "cs"})
        writer.AddString(id, "Finish", "Matte");
    writer.Write(m_dir.PathOf("doc.props"));
    LoadInPart(R"(<IWorkAxis ID="a1" Label="Axis" VersionPersistentId="v">
        <ChangeKey>k</ChangeKey>
        <Unit LengthUnit="Inch" DisplayLengthUnit="Meter"/>
        <Styles><StyleRef ID="s1"/></Styles><styles><StyleRef ID="lower"/></styles>
        <NetStyles><StyleRef ID="n"/></NetStyles>
        <StartPoint X="1" Y="2" Z="3"/><EndPoint X="4" Y="5" Z="6"/><Axis X="0" Y="0" Z="1"/>
      </IWorkAxis>
      <IWorkPoint ID="w"><changekey>k</changekey><WorkPoint X="9" Y="bad" Z="-1"/></IWorkPoint>
      <IWorkPlane ID="wpl"><Origin X="1" Y="2" Z="3"/><Normal X="0" Y="0" Z="1"/></IWorkPlane>
      <ICoordSys ID="cs">
        <Origin X="1" Y="1" Z="1"/><XAxis X="1" Y="0" Z="0"/><YAxis X="0" Y="1" Z="0"/>
        <Transform>2 0 0 0 0 2 0 0 0 0 2 0 0 0 0 1</Transform></ICoordSys>
      <ICoordSys ID="empty"><Transform/></ICoordSys>)");
    const auto& axis = Get<IWorkAxis>("a1");
    EXPECT_EQ(axis.Label().ToUTF8(), "Axis");
    EXPECT_EQ(Ids(axis.Styles()), std::vector<std::string>{"s1"});
    EXPECT_TRUE(axis.NetStyles().IsEmpty());
    EXPECT_EQ(UnitOf(axis, &IUnit::LengthUnit), UnitTypeEnum::kUnitType_Inch);
    // Stored, but these kinds do not answer it.
    EXPECT_EQ(UnitOf(axis, &IUnit::DisplayLengthUnit), std::nullopt);
    EXPECT_EQ(ChangeKeyOf(axis), "k");
    EXPECT_EQ(VersionOf(axis), "v");
    EXPECT_EQ(Answer(axis, &IWorkAxis::StartPoint), (Xyz{1, 2, 3}));
    EXPECT_EQ(Answer(axis, &IWorkAxis::EndPoint), (Xyz{4, 5, 6}));
    EXPECT_EQ(Answer(axis, &IWorkAxis::Axis), (Xyz{0, 0, 1}));

    const auto& point = Get<IWorkPoint>("w");
    EXPECT_EQ(ChangeKeyOf(point), std::nullopt);
    EXPECT_EQ(VersionOf(point), std::nullopt);
    EXPECT_EQ(Answer(point, &IWorkPoint::Point), (Xyz{9, 0, -1}));
    EXPECT_EQ(Answer(Get<IWorkPlane>("wpl"), &IWorkPlane::Origin), (Xyz{1, 2, 3}));
    EXPECT_EQ(Answer(Get<IWorkPlane>("wpl"), &IWorkPlane::Normal), (Xyz{0, 0, 1}));
    const auto& frame = Get<ICoordSys>("cs");
    EXPECT_EQ(Answer(frame, &ICoordSys::Origin), (Xyz{1, 1, 1}));
    EXPECT_EQ(Answer(frame, &ICoordSys::XAxis), (Xyz{1, 0, 0}));
    EXPECT_EQ(Answer(frame, &ICoordSys::YAxis), (Xyz{0, 1, 0}));
    EXPECT_FALSE(frame.Transform().IsIdentity());
    const auto& empty = Get<ICoordSys>("empty");
    EXPECT_EQ(Answer(empty, &ICoordSys::Origin), (Xyz{0, 0, 0}));
    EXPECT_TRUE(empty.Transform().IsIdentity());
    for (const char* id : {"a1", "w", "wpl", "cs"}) {
        std::vector<Property> properties;
        EXPECT_EQ(Get<IObject>(id).Properties(properties), IsValueSpecifiedEnum::kSpecified) << id;
        ASSERT_EQ(properties.size(), 1u) << id;
        EXPECT_EQ(properties[0].Value().AsString(), UTF8String("Matte"));
    }
}

// A reference direction counts only when given and not zero; a display range needs a child,
// any child.
TEST_F(ReferenceGeometryTest, WorkPlaneAnswersReferenceAndRangeOnlyWhenGiven) {
    using Range = std::array<double, 6>;
    const struct {
        const char* children;
        std::optional<Xyz> reference;
        std::optional<Range> range;
    } cases[] = {
        {R"(<Reference X="1" Y="0" Z="0"/>)", Xyz{1, 0, 0}, std::nullopt},
        {R"(<Normal X="0" Y="0" Z="1"/>)", std::nullopt, std::nullopt},
        {R"(<Reference X="0" Y="0" Z="0"/>)", std::nullopt, std::nullopt},
        {R"(<Reference X="1e-12" Y="x" Z="0"/>)", std::nullopt, std::nullopt},
        {R"(<DisplayRange><MinPoint X="-1" Y="-2" Z="-3"/><MaxPoint X="1" Y="2" Z="3"/>
            </DisplayRange>)",
         std::nullopt, Range{-1, -2, -3, 1, 2, 3}},
        {R"(<DisplayRange><MinPoint X="4" Y="5" Z="6"/></DisplayRange>)", std::nullopt,
         Range{4, 5, 6, 0, 0, 0}},
        {"<DisplayRange><Other/></DisplayRange>", std::nullopt, Range{}},
        {"<DisplayRange/>", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.children);
        LoadInPart(std::string(R"(<IWorkPlane ID="w">)") + c.children + "</IWorkPlane>");
        const auto& plane = Get<IWorkPlane>("w");
        Xyz reference{-7.0, -7.0, -7.0};
        EXPECT_EQ(plane.ReferenceDirection(reference[0], reference[1], reference[2]),
                  c.reference ? IsValueSpecifiedEnum::kSpecified
                              : IsValueSpecifiedEnum::kUnspecified);
        EXPECT_EQ(reference, c.reference.value_or(Xyz{-7.0, -7.0, -7.0}));
        Range range;
        range.fill(-7.0);
        EXPECT_EQ(plane.DisplayRange(range[0], range[1], range[2], range[3], range[4], range[5]),
                  c.range ? IsValueSpecifiedEnum::kSpecified : IsValueSpecifiedEnum::kUnspecified);
        EXPECT_EQ(range, c.range.value_or(Range{-7.0, -7.0, -7.0, -7.0, -7.0, -7.0}));
    }
}

// One of each kind a component lists, the set first, each named by its kind.
const std::pair<std::string, ObjectKindEnum> kEveryKind[] = {
    {"IGeometricSet", ObjectKindEnum::kGeometricSet},
    {"IPoint", ObjectKindEnum::kPoint},
    {"IPointCloud", ObjectKindEnum::kPointCloud},
    {"ICoordSys", ObjectKindEnum::kCoordSys},
    {"IWorkAxis", ObjectKindEnum::kWorkAxis},
    {"IWorkPoint", ObjectKindEnum::kWorkPoint},
    {"IWorkPlane", ObjectKindEnum::kWorkPlane},
    {"ISketch", ObjectKindEnum::kSketch},
    {"IExtensionGeometry", ObjectKindEnum::kExtensionGeometry}};

std::string EveryKind(const std::string& prefix) {
    std::string markup = "<IGeometricSet ID=\"" + prefix +
                         "IGeometricSet\"><ChildSet><IPoint ID=\"" + prefix +
                         "set-pt\"/></ChildSet></IGeometricSet>";
    for (const auto& [kind, objectKind] : kEveryKind)
        if (objectKind != ObjectKindEnum::kGeometricSet)
            markup += "<" + kind + " ID=\"" + prefix + kind + "\"/>";
    return markup;
}

template <typename Container>
std::vector<Child> ChildrenOf(const Container& container) {
    std::vector<Child> children;
    for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
        children.emplace_back(container.ChildAt(i).Id().Value(), container.ChildAt(i).Kind());
    return children;
}

TEST_F(ReferenceGeometryTest, ComponentsMakeEveryKindAndTheDocumentAllButFrames) {
    LoadXml(R"(<IFile ID="f1" IsRoot="True"><ChildSet><Child ID="a1"/></ChildSet></IFile>)"
            "<IAssembly ID=\"a1\"><ChildSet>" +
            EveryKind("a_") +
            R"(<Child ID="a0"/></ChildSet></IAssembly><IPart ID="a0"><ChildSet>)" +
            EveryKind("p_") + "</ChildSet></IPart>" + EveryKind("t_"));
    std::vector<Child> inAssembly, inPart;
    for (const auto& [kind, objectKind] : kEveryKind) {
        inAssembly.emplace_back("a_" + kind, objectKind);
        inPart.emplace_back("p_" + kind, objectKind);
        const bool framed = objectKind == ObjectKindEnum::kCoordSys;
        EXPECT_EQ(KindOf(Find("t_" + kind)), framed ? ObjectKindEnum::kUnknown : objectKind)
            << kind;
    }
    // Read before the assembly, so its reference resolves.
    inAssembly.emplace_back("a0", ObjectKindEnum::kPart);
    EXPECT_EQ(ChildrenOf(Get<IAssembly>("a1")), inAssembly);
    EXPECT_EQ(ChildrenOf(Get<IPart>("a0")), inPart);
    EXPECT_EQ(ChildIds(Get<IGeometricSet>("p_IGeometricSet")),
              std::vector<std::string>{"p_set-pt"});
    // The document is freed once loaded, and the entries that pointed into it with it.
    EXPECT_EQ(Context().Registry().Find(UTF8String("t_IWorkPlane")), nullptr);
}

TEST_F(ReferenceGeometryTest, IdPrefixRenamesChildrenMadeInAPart) {
    LoadXml(R"(<IPart ID="p1"><ChildSet><IWorkPoint ID="w"/></ChildSet></IPart>)", "N");
    EXPECT_EQ(Find("w"), nullptr);
    const auto& part = Get<IPart>(Context().ReferenceId(UTF8String("p1")).Value());
    ASSERT_EQ(part.ChildCount(), 1u);
    EXPECT_NE(part.ChildAt(0).Id(), UTF8String("w"));
    EXPECT_EQ(part.ChildAt(0).Kind(), ObjectKindEnum::kWorkPoint);
}

template <typename Entity>
bool ReadWith(ReadContext* context, const DOMElement* element) {
    return Entity(context).Read(element);
}

bool ReadCurve(ReadContext* context, const DOMElement* element) {
    return XMLCurve(context).ParseCurveElement(element, {});
}

// No reader takes a missing element or reads without a context.
TEST_F(ReferenceGeometryTest, ReadersRefuseAMissingElementOrContext) {
    TestSupport::DomParser dom;
    const struct {
        const char* markup;
        bool (*read)(ReadContext*, const DOMElement*);
    } cases[] = {
        {"<IPoint/>", ReadWith<XMLPoint>},
        {"<IPointCloud/>", ReadWith<XMLPointCloud>},
        {"<ICurve/>", ReadCurve},
        {"<ICoordSys/>", ReadWith<XMLCoordSys>},
        {"<IWorkAxis/>", ReadWith<XMLWorkAxis>},
        {"<IWorkPlane/>", ReadWith<XMLWorkPlane>},
        {"<IWorkPoint/>", ReadWith<XMLWorkPoint>},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.markup);
        const DOMElement* element = dom.Parse(c.markup);
        EXPECT_FALSE(c.read(&Reader(), nullptr));
        EXPECT_TRUE(c.read(&Reader(), element));
        EXPECT_FALSE(c.read(nullptr, element));
    }
}

} // namespace
} // namespace Orvik::Test
