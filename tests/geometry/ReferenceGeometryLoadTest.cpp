#include "LoaderFixture.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLWorkPlane.h"
#include "hierarchy/PartChildReaders.h"
#include "loader/DispatchTable.h"
#include "loader/Dispatcher.h"
#include "orvik/api/IAssembly.h"
#include "orvik/api/IPart.h"
#include "orvik/api/ObjectKind.h"

#include <string>
#include <utility>
#include <vector>
#include <xercesc/util/XMLString.hpp>

namespace Orvik::Test {
namespace {

using Builder = Writer::XmlDocumentBuilder;
using Child = std::pair<std::string, ObjectKindEnum>;

// One of each kind, the point first and a work feature last.
void ReferenceChildren(Builder& b, const std::string& prefix) {
    b.Open("IPoint").Attribute("ID", prefix + "pt");
    b.Element("Point", {{"X", "1"}, {"Y", "2"}, {"Z", "3"}});
    b.Close();
    b.Open("IPointCloud").Attribute("ID", prefix + "pc");
    b.Element("PointCloud", {{"PointCloudCoordinates", "0 0 0 1 1 1"}});
    b.Close();
    b.Element("ICoordSys", {{"ID", prefix + "cs"}});
    b.Element("IWorkAxis", {{"ID", prefix + "wa"}});
    b.Element("IWorkPoint", {{"ID", prefix + "wpt"}});
    b.Element("IWorkPlane", {{"ID", prefix + "wpl"}});
}

const std::vector<ObjectKindEnum> kKinds{ObjectKindEnum::kPoint,     ObjectKindEnum::kPointCloud,
                                         ObjectKindEnum::kCoordSys,  ObjectKindEnum::kWorkAxis,
                                         ObjectKindEnum::kWorkPoint, ObjectKindEnum::kWorkPlane};

template <typename Container>
std::vector<Child> ChildrenOf(const Container& container) {
    std::vector<Child> children;
    for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
        children.emplace_back(container.ChildAt(i).Id().Value(), container.ChildAt(i).Kind());
    return children;
}

std::vector<Child> Expected(const std::string& prefix) {
    const std::vector<std::string> names{"pt", "pc", "cs", "wa", "wpt", "wpl"};
    std::vector<Child> expected;
    for (std::size_t i = 0; i < names.size(); ++i)
        expected.emplace_back(prefix + names[i], kKinds[i]);
    return expected;
}

class ReferenceGeometryLoadTest : public LoaderFixture {
protected:
    IObject* Find(const std::string& id) { return m_context->FindObject(UTF8String(id)); }
};

TEST_F(ReferenceGeometryLoadTest, AssemblyAndPartCreateEveryKindAsChildren) {
    Load([](Builder& b) {
        File(b, "f1", "True", {"a1"});
        b.Open("IAssembly").Attribute("ID", "a1").Attribute("Label", "A");
        b.Open("ChildSet");
        ReferenceChildren(b, "a_");
        b.Element("Child", {{"ID", "p1"}});
        b.Close().Close();
        b.Open("IPart").Attribute("ID", "p1").Attribute("Label", "P");
        b.Open("ChildSet");
        ReferenceChildren(b, "p_");
        b.Close().Close();
    });
    auto* assembly = dynamic_cast<IAssembly*>(Find("a1"));
    ASSERT_NE(assembly, nullptr);
    std::vector<Child> expected = Expected("a_");
    expected.emplace_back("p1", ObjectKindEnum::kPart);
    EXPECT_EQ(ChildrenOf(*assembly), expected);
    auto* part = dynamic_cast<IPart*>(Find("p1"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(ChildrenOf(*part), Expected("p_"));
    for (const Child& child : Expected("p_"))
        EXPECT_EQ(KindOf(Find(child.first)), child.second) << child.first;
    auto* point = dynamic_cast<XMLPoint*>(Find("p_pt"));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->Z(), 3.0);
}

TEST_F(ReferenceGeometryLoadTest, IdPrefixRenamesCreatedChildren) {
    Load(
        [](Builder& b) {
            File(b, "f1", "True", {"p1"});
            b.Open("IPart").Attribute("ID", "p1").Attribute("Label", "P");
            b.Open("ChildSet");
            b.Element("IWorkPoint", {{"ID", "w"}});
            b.Close().Close();
        },
        "N");
    EXPECT_EQ(Find("w"), nullptr);
    bool found = false;
    for (std::uint64_t n = 1; n < 10 && !found; ++n)
        found = KindOf(Find("N" + std::to_string(n))) == ObjectKindEnum::kWorkPoint;
    EXPECT_TRUE(found);
}

TEST_F(ReferenceGeometryLoadTest, TopLevelElementsBecomeObjectsExceptCoordinateSystems) {
    Load([](Builder& b) {
        File(b, "f1", "True");
        ReferenceChildren(b, "t_");
    });
    for (const Child& child : Expected("t_")) {
        if (child.second == ObjectKindEnum::kCoordSys)
            EXPECT_EQ(Find(child.first), nullptr);
        else
            EXPECT_EQ(KindOf(Find(child.first)), child.second) << child.first;
    }
}

TEST_F(ReferenceGeometryLoadTest, FileChildSetReachesAWorkPlaneById) {
    Load([](Builder& b) {
        File(b, "a", "True", {"z_plane"});
        b.Open("IWorkPlane").Attribute("ID", "z_plane");
        b.Element("Reference", {{"X", "0"}, {"Y", "1"}, {"Z", "0"}});
        b.Close();
    });
    auto* plane = dynamic_cast<XMLWorkPlane*>(Find("z_plane"));
    ASSERT_NE(plane, nullptr);
    double x = 0, y = 0, z = 0;
    EXPECT_EQ(plane->ReferenceDirection(x, y, z), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(y, 1.0);
    // Consumed: a second dispatch of the entry makes nothing more.
    ElementRegistry::Entry* entry = m_context->Registry().Find(UTF8String("z_plane"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->state, ElementRegistry::State::kConsumed);
    EXPECT_FALSE(Dispatcher::Dispatch(m_context->Registry(), *entry));
}

TEST_F(ReferenceGeometryLoadTest, FailedReadingsKeepWorkFeatureEntriesAndConsumePoints) {
    // Readers fail only without an element, so the rows' policies carry the rule.
    const std::vector<std::pair<const XMLCh*, FailurePolicy>> rows{
        {u"IPoint", FailurePolicy::kDestroyAndConsume},
        {u"IPointCloud", FailurePolicy::kDestroyAndRetryLater},
        {u"IWorkAxis", FailurePolicy::kDestroyAndRetryLater},
        {u"IWorkPlane", FailurePolicy::kDestroyAndRetryLater},
        {u"IWorkPoint", FailurePolicy::kDestroyAndRetryLater}};
    for (const auto& [name, policy] : rows) {
        const DispatchRow* row = DispatchTable::Find(name);
        ASSERT_NE(row, nullptr);
        ASSERT_NE(row->create, nullptr);
        EXPECT_EQ(row->onFailure, policy);
    }
    EXPECT_EQ(DispatchTable::Find(u"ICoordSys"), nullptr);

    // A part's stop flags: points and clouds stop the child set, work features do not.
    for (const PartChildRow& row : PartChildReaders::Rows()) {
        const bool isPoint = xercesc::XMLString::equals(row.elementName, u"IPoint") ||
                             xercesc::XMLString::equals(row.elementName, u"IPointCloud");
        const bool isFeature = xercesc::XMLString::equals(row.elementName, u"IWorkAxis") ||
                               xercesc::XMLString::equals(row.elementName, u"IWorkPlane") ||
                               xercesc::XMLString::equals(row.elementName, u"IWorkPoint") ||
                               xercesc::XMLString::equals(row.elementName, u"ICoordSys");
        if (isPoint || isFeature) {
            EXPECT_NE(row.read, nullptr);
            EXPECT_EQ(row.stopsChildSet, isPoint);
        }
    }
}

TEST_F(ReferenceGeometryLoadTest, BadTextLoadsWithoutHarm) {
    Load([](Builder& b) {
        File(b, "f1", "True", {"p1"});
        b.Open("IPart").Attribute("ID", "p1").Attribute("Label", "P");
        b.Open("ChildSet");
        b.Open("IPointCloud").Attribute("ID", "c1");
        b.Element("PointCloud", {{"PointCloudCoordinates", ""}});
        b.Close();
        b.Open("IPoint").Attribute("ID", "x1");
        b.Element("Point", {{"X", "one"}, {"Y", "1e999"}, {"Z", "--"}});
        b.Close();
        b.Open("IWorkAxis").Attribute("ID", "w1").Attribute("Visibility", "yes");
        b.Element("Axis", {{"X", "?"}});
        b.Close();
        b.Close().Close();
    });
    auto* part = dynamic_cast<IPart*>(Find("p1"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->ChildCount(), 3u);
    auto* cloud = dynamic_cast<IPointCloud*>(Find("c1"));
    ASSERT_NE(cloud, nullptr);
    EXPECT_EQ(cloud->PointCount(), 0u);
    auto* point = dynamic_cast<IPoint*>(Find("x1"));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->X(), 0.0);
    EXPECT_EQ(point->Y(), 0.0);
    auto* axis = dynamic_cast<IWorkAxis*>(Find("w1"));
    ASSERT_NE(axis, nullptr);
    EXPECT_FALSE(axis->IsVisible());
}

} // namespace
} // namespace Orvik::Test
