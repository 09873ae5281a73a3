#include "LoaderFixture.h"
#include "geometry/XMLCurve.h"
#include "geometry/XMLExtensionGeometry.h"
#include "geometry/XMLGeometricSet.h"
#include "hierarchy/ElementWalk.h"
#include "loader/Dispatcher.h"
#include "veld/Curve.h"

#include <sstream>
#include <string>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;

std::vector<std::string> Ids(const IdSet& ids) {
    std::vector<std::string> values;
    for (const UTF8String& id : ids)
        values.push_back(id.Value());
    return values;
}

template <typename Container>
std::vector<std::string> ChildIds(const Container& container) {
    std::vector<std::string> ids;
    for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
        ids.push_back(container.ChildAt(i).Id().Value());
    return ids;
}

template <typename Container>
std::string ChildAtMessage(const Container& container, std::uint64_t index) {
    try {
        container.ChildAt(index);
    } catch (const GeneralException& error) {
        return error.Message().Value();
    }
    return "no exception";
}

class GeometricSetTest : public LoaderFixture {
protected:
    // Loads a document whose "Fixture" element holds elements read by hand, apart from the
    // loading pass; `body` adds top-level entities.
    void LoadFixture(const Body& fixture, const Body& body = {}) {
        Load([&](Writer::XmlDocumentBuilder& b) {
            if (body)
                body(b);
            b.Open("Fixture");
            fixture(b);
            b.Close();
        });
        const DOMElement* root = m_context->Parser()->getDocument()->getDocumentElement();
        ElementWalk::ForEachChildElement(*root, [&](const DOMElement& top) {
            if (ElementWalk::IsNamed(top, u"Fixture"))
                ElementWalk::ForEachChildElement(
                    top, [&](const DOMElement& entry) { m_fixture.push_back(&entry); });
        });
    }

    template <typename Container>
    std::unique_ptr<Container> ReadFixture(std::size_t index, bool expected = true) {
        auto container = std::make_unique<Container>(m_context.get());
        EXPECT_EQ(container->Read(m_fixture.at(index), m_context->Cache().GeometryTables()),
                  expected);
        return container;
    }

    IObject* Find(const std::string& id) const { return m_context->FindObject(UTF8String(id)); }
    ObjectKindEnum KindOfId(const std::string& id) const { return KindOf(Find(id)); }

    std::vector<const DOMElement*> m_fixture;
};

TEST_F(GeometricSetTest, AttributesChildrenAndLetterCaseRules) {
    LoadFixture(
        [](Writer::XmlDocumentBuilder& b) {
            b.Open("IGeometricSet").Attribute("ID", "g").Attribute("Label", "Group");
            b.Attribute("VersionPersistentId", "v7");
            b.Element("tolerance", {{"AngularTolerance", "0.5"},
                                    {"LinearTolerance", "-2"},
                                    {"ParamTolerance", "0.25"}});
            b.Open("styles").Element("StyleRef", {{"ID", "st"}}).Close();
            b.Open("MATERIALS").Element("MaterialRef", {{"ID", "m"}}).Close();
            b.Open("Animations").Element("AnimationRef", {{"ID", "an"}}).Close();
            b.TextElement("ChangeKey", "k1");
            b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1");
            b.Element("Unit", {{"LengthUnit", "Millimeter"}});
            b.Open("ChildSet");
            b.Element("IPoint", {{"ID", "p1"}});
            b.Element("Child", {{"ID", "p1"}});
            b.Element("Child", {{"ID", "elsewhere"}});
            b.Element("Child", {{"ID", "nowhere"}});
            b.Element("IPoint", {{"Label", "no id"}});
            b.Element("IExtensionGeometry", {{"ID", "x1"}, {"Visibility", "0"}});
            b.Close();
            b.Close();
            // Extension geometry answers no materials and reads no change key or animations.
            b.Open("IExtensionGeometry").Attribute("ID", "x");
            b.TextElement("ChangeKey", "k2");
            b.Open("Materials").Element("MaterialRef", {{"ID", "m"}}).Close();
            b.Element("TOLERANCE", {{"AngularTolerance", "3"}});
            b.Close();
        },
        [](Writer::XmlDocumentBuilder& b) {
            b.Element("IPoint", {{"ID", "elsewhere"}});
        });
    const auto set = ReadFixture<XMLGeometricSet>(0);
    EXPECT_EQ(set->Id().Value(), "g");
    UTF8String version;
    EXPECT_EQ(set->VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(version.Value(), "v7");
    EXPECT_TRUE(set->IsVisible());
    EXPECT_TRUE(set->IsNetVisible());
    EXPECT_DOUBLE_EQ(set->AngularTolerance(), 0.5);
    EXPECT_DOUBLE_EQ(set->LinearTolerance(), -2.0);
    EXPECT_DOUBLE_EQ(set->ParamTolerance(), 0.25);
    EXPECT_EQ(Ids(set->Styles()), std::vector<std::string>{"st"});
    EXPECT_EQ(Ids(set->Materials()), std::vector<std::string>{"m"});
    IdSet animations;
    EXPECT_EQ(set->KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Ids(animations), std::vector<std::string>{"an"});
    UTF16String key;
    EXPECT_EQ(set->ChangeKey(key), IsValueSpecifiedEnum::kSpecified);
    EXPECT_FALSE(set->HasTransform());
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_EQ(set->LengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);

    EXPECT_EQ(ChildIds(*set), (std::vector<std::string>{"p1", "elsewhere", "x1"}));
    EXPECT_EQ(set->ChildAt(0).Kind(), ObjectKindEnum::kPoint);
    EXPECT_EQ(set->ChildAt(2).Kind(), ObjectKindEnum::kExtensionGeometry);
    EXPECT_FALSE(static_cast<IGeometry*>(Find("x1"))->IsVisible());
    EXPECT_EQ(ChildAtMessage(*set, 3), "Invalid index to child of XMLGeometricSet.");

    const auto extension = ReadFixture<XMLExtensionGeometry>(1);
    EXPECT_EQ(extension->ChangeKey(key), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_TRUE(extension->Materials().IsEmpty());
    EXPECT_EQ(extension->KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_DOUBLE_EQ(extension->AngularTolerance(), 3.0);
    EXPECT_EQ(extension->ChildCount(), 0u);
    EXPECT_EQ(ChildAtMessage(*extension, 0), "Invalid index to child of XMLExtensionGeometry.");
}

// Only a failed nested geometric set ends its child set; a failed nested extension geometry
// is dropped alone. Reading fails where containers would nest beyond the bound.
TEST_F(GeometricSetTest, FailedNestedSetEndsItsChildSetOnly) {
    LoadFixture([](Writer::XmlDocumentBuilder& b) {
        b.Open("IGeometricSet").Attribute("ID", "g");
        b.Open("ChildSet");
        b.Element("IPoint", {{"ID", "a"}});
        b.Element("IExtensionGeometry", {{"ID", "x-fails"}});
        b.Element("IPoint", {{"ID", "c"}});
        b.Element("IGeometricSet", {{"ID", "g-fails"}});
        b.Element("IPoint", {{"ID", "never"}});
        b.Close();
        b.Open("ChildSet").Element("IPoint", {{"ID", "b"}}).Close();
        b.Close();
        b.Open("IExtensionGeometry").Attribute("ID", "x");
        b.Open("ChildSet");
        b.Element("IExtensionGeometry", {{"ID", "x-nested-fails"}});
        b.Element("IPoint", {{"ID", "d"}});
        b.Close();
        b.Close();
    });
    m_context->Registry().DispatchDepth() = Dispatcher::kMaxDispatchDepth - 1;
    const auto set = ReadFixture<XMLGeometricSet>(0);
    const auto extension = ReadFixture<XMLExtensionGeometry>(1);
    EXPECT_EQ(ChildIds(*set), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(ChildIds(*extension), std::vector<std::string>{"d"});
    for (const char* gone : {"x-fails", "g-fails", "never", "x-nested-fails"})
        EXPECT_EQ(Find(gone), nullptr) << gone;

    // One level further the container itself is refused, and the depth is restored after.
    m_context->Registry().DispatchDepth() = Dispatcher::kMaxDispatchDepth;
    ReadFixture<XMLGeometricSet>(0, false);
    EXPECT_EQ(m_context->Registry().DispatchDepth(), Dispatcher::kMaxDispatchDepth);
}

TEST_F(GeometricSetTest, StreamAndKernelCurveUnderOneIdKeepTheStreamCurveOnly) {
    LoadFixture([](Writer::XmlDocumentBuilder& b) {
        b.Open("IGeometricSet").Attribute("ID", "g").Open("ChildSet");
        b.Open("ICurve").Attribute("ID", "both").Element("VeldEntity", {{"EntityId", "e1"}});
        b.Close();
        b.Open("ICurve").Attribute("ID", "kernel").Element("VeldEntity", {{"EntityId", "e1"}});
        b.Close();
        b.Close().Close();
        b.Open("IExtensionGeometry").Attribute("ID", "x").Open("ChildSet");
        b.Element("ICurve", {{"ID", "both"}});
        b.Element("ICurve", {{"ID", "stream-only"}});
        b.Close().Close();
    });
    SideDataCache& cache = m_context->Cache();
    for (const char* id : {"both", "stream-only"}) {
        std::istringstream in(std::string(64, '\0'));
        cache.curvesById[UTF8String(id)] =
            std::make_unique<XMLCurve>(m_context.get(), &in, 1, false);
    }
    Veld::LineGeometry line;
    line.direction = {1.0, 0.0, 0.0};
    line.end = 2.0;
    cache.edgeCurvesByDxid[UTF8String("e1")] = std::make_unique<Veld::curve>(line);
    const std::size_t before = m_context->Collector()->Size();

    const auto set = ReadFixture<XMLGeometricSet>(0);
    EXPECT_EQ(ChildIds(*set), (std::vector<std::string>{"both", "kernel"}));
    EXPECT_EQ(set->ChildAt(0).Kind(), ObjectKindEnum::kCurve);
    std::vector<const Veld::curve*> kernelCurves;
    auto* both = dynamic_cast<ICurve*>(Find("both"));
    ASSERT_NE(both, nullptr);
    both->KernelCurves(kernelCurves);
    EXPECT_TRUE(kernelCurves.empty()) << "the stream curve keeps the id";
    EXPECT_NE(both->CurveDataAt(0), nullptr);
    dynamic_cast<ICurve&>(*Find("kernel")).KernelCurves(kernelCurves);
    EXPECT_EQ(kernelCurves.size(), 1u);

    // The stream curve is taken once; a later listing finds it held and refuses the new
    // kernel curve again.
    const auto extension = ReadFixture<XMLExtensionGeometry>(1);
    EXPECT_EQ(ChildIds(*extension), (std::vector<std::string>{"both", "stream-only"}));
    EXPECT_TRUE(cache.curvesById.empty());
    EXPECT_EQ(m_context->Collector()->Size(), before + 3);
}

TEST_F(GeometricSetTest, WithoutCurveTablesACurveYieldsNoChild) {
    LoadFixture([](Writer::XmlDocumentBuilder& b) {
        b.Open("IGeometricSet").Attribute("ID", "g").Open("ChildSet");
        b.Element("ICurve", {{"ID", "c"}});
        b.Element("IPoint", {{"ID", "p"}});
        b.Close().Close();
    });
    const auto set = ReadFixture<XMLGeometricSet>(0);
    EXPECT_EQ(ChildIds(*set), std::vector<std::string>{"p"});
    EXPECT_EQ(Find("c"), nullptr);
}

// Nesting far beyond the bound of containers (yet within the depth the parser accepts), built as
// raw markup since the builder nests recursively.
std::string NestedMarkup(const std::string& kind, int depth) {
    std::string markup;
    markup.reserve(static_cast<std::size_t>(depth) * 60);
    for (int level = 0; level < depth; ++level)
        markup += "<" + kind + " ID=\"n" + std::to_string(level) + "\"><ChildSet>";
    for (int level = 0; level < depth; ++level)
        markup += "</ChildSet></" + kind + ">";
    return markup;
}

TEST_F(GeometricSetTest, DeepNestingLoadsUpToTheNestingBound) {
    for (const std::string kind : {"IGeometricSet", "IExtensionGeometry"}) {
        SCOPED_TRACE(kind);
        Load([&](Writer::XmlDocumentBuilder& b) { b.Raw(NestedMarkup(kind, 480)); });
        // The top container is read by the loading pass (one level) and counts one more.
        const int levels = static_cast<int>(Dispatcher::kMaxDispatchDepth) - 1;
        IObject* object = Find("n0");
        int chain = 0;
        while (object != nullptr) {
            ++chain;
            auto* set = dynamic_cast<IGeometricSet*>(object);
            auto* extension = dynamic_cast<IExtensionGeometry*>(object);
            const std::uint64_t count = set ? set->ChildCount() : extension->ChildCount();
            ASSERT_LE(count, 1u);
            object = count == 0 ? nullptr
                                : Find(set ? set->ChildAt(0).Id().Value()
                                           : extension->ChildAt(0).Id().Value());
        }
        EXPECT_EQ(chain, levels);
        EXPECT_EQ(Find("n" + std::to_string(levels)), nullptr);
        EXPECT_EQ(m_context->Registry().DispatchDepth(), 0u);
    }
}

TEST_F(GeometricSetTest, SetsListingThemselvesOrEachOtherLoadOnce) {
    Load([](Writer::XmlDocumentBuilder& b) {
        b.Open("IGeometricSet").Attribute("ID", "a").Open("ChildSet");
        b.Element("Child", {{"ID", "a"}});
        b.Element("Child", {{"ID", "b"}});
        b.Open("IGeometricSet").Attribute("ID", "a-inner").Open("ChildSet");
        b.Element("Child", {{"ID", "a"}});
        b.Element("Child", {{"ID", "p"}});
        b.Close().Close();
        b.Close().Close();
        b.Open("IGeometricSet").Attribute("ID", "b").Open("ChildSet");
        b.Element("Child", {{"ID", "a"}});
        b.Element("Child", {{"ID", "b"}});
        b.Close().Close();
        b.Element("IPoint", {{"ID", "p"}});
    });
    const auto& a = dynamic_cast<IGeometricSet&>(*Find("a"));
    const auto& b = dynamic_cast<IGeometricSet&>(*Find("b"));
    const auto& inner = dynamic_cast<IGeometricSet&>(*Find("a-inner"));
    EXPECT_EQ(ChildIds(a), (std::vector<std::string>{"b", "a-inner"}));
    EXPECT_EQ(ChildIds(b), std::vector<std::string>{});
    EXPECT_EQ(ChildIds(inner), std::vector<std::string>{"p"});
}

TEST_F(GeometricSetTest, DispatcherKeepsFailedSetsAndSketchesForLaterButDropsExtensions) {
    LoadFixture([](Writer::XmlDocumentBuilder& b) {
        b.Element("ISketch", {{"ID", "k"}});
        b.Element("IGeometricSet", {{"ID", "g"}});
        b.Element("IExtensionGeometry", {{"ID", "x"}});
    });
    ElementRegistry& registry = m_context->Registry();
    for (const DOMElement* element : m_fixture)
        registry.Register(element);
    registry.DispatchDepth() = Dispatcher::kMaxDispatchDepth - 1;
    EXPECT_FALSE(Dispatcher::DispatchById(registry, UTF8String("k")));
    EXPECT_FALSE(Dispatcher::DispatchById(registry, UTF8String("g")));
    EXPECT_TRUE(Dispatcher::DispatchById(registry, UTF8String("x")));
    for (const char* id : {"k", "g"}) {
        ASSERT_NE(registry.Find(UTF8String(id)), nullptr);
        EXPECT_EQ(registry.Find(UTF8String(id))->state, ElementRegistry::State::kPending) << id;
    }
    EXPECT_EQ(registry.Find(UTF8String("x"))->state, ElementRegistry::State::kConsumed);
    for (const char* id : {"k", "g", "x"})
        EXPECT_EQ(Find(id), nullptr) << id;

    // A later reference, not nested so deep, reads them.
    registry.DispatchDepth() = 0;
    EXPECT_TRUE(Dispatcher::DispatchById(registry, UTF8String("k")));
    EXPECT_TRUE(Dispatcher::DispatchById(registry, UTF8String("g")));
    EXPECT_FALSE(Dispatcher::DispatchById(registry, UTF8String("x")));
    EXPECT_EQ(KindOfId("k"), ObjectKindEnum::kSketch);
    EXPECT_EQ(KindOfId("g"), ObjectKindEnum::kGeometricSet);
    EXPECT_EQ(Find("x"), nullptr);
}

TEST_F(GeometricSetTest, ComponentsListTheirSetsAndSketches) {
    const auto groups = [](Writer::XmlDocumentBuilder& b, const std::string& prefix) {
        b.Open("ChildSet");
        b.Open("IGeometricSet").Attribute("ID", prefix + "-g").Open("ChildSet");
        b.Element("IPoint", {{"ID", prefix + "-p"}});
        b.Close().Close();
        b.Element("ISketch", {{"ID", prefix + "-k"}});
        b.Element("IExtensionGeometry", {{"ID", prefix + "-x"}});
        b.Close();
    };
    Load([&](Writer::XmlDocumentBuilder& b) {
        File(b, "f", "True", {"asm"});
        b.Open("IAssembly").Attribute("ID", "asm").Attribute("Label", "A");
        groups(b, "asm");
        b.Close();
        b.Open("IPart").Attribute("ID", "prt").Attribute("Label", "P");
        groups(b, "prt");
        b.Close();
    });
    const auto& assembly = dynamic_cast<IAssembly&>(*Find("asm"));
    const auto& part = dynamic_cast<IPart&>(*Find("prt"));
    const std::vector<ObjectKindEnum> kinds{ObjectKindEnum::kGeometricSet, ObjectKindEnum::kSketch,
                                            ObjectKindEnum::kExtensionGeometry};
    ASSERT_EQ(assembly.ChildCount(), 3u);
    ASSERT_EQ(part.ChildCount(), 3u);
    for (std::uint64_t i = 0; i < 3; ++i) {
        EXPECT_EQ(assembly.ChildAt(i).Kind(), kinds[i]);
        EXPECT_EQ(part.ChildAt(i).Kind(), kinds[i]);
    }
    EXPECT_EQ(ChildIds(dynamic_cast<IGeometricSet&>(*Find("prt-g"))),
              std::vector<std::string>{"prt-p"});
}

} // namespace
} // namespace Orvik::Test
