#include "LoaderFixture.h"
#include "orvik/api/IAnnotationCallout.h"
#include "orvik/api/IAnnotationCalloutElement.h"

#include <functional>
#include <vector>

namespace Orvik::Test {
namespace {

using Listed = std::function<std::vector<std::string>(IObject&)>;

template <typename Container>
Listed ChildrenOf() {
    return [](IObject& object) {
        std::vector<std::string> ids;
        auto& container = dynamic_cast<Container&>(object);
        for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
            ids.push_back(container.ChildAt(i).Id().Value());
        return ids;
    };
}

std::vector<std::string> IdsOf(const IdSet& ids) {
    std::vector<std::string> values;
    for (const UTF8String& id : ids)
        values.push_back(id.Value());
    return values;
}

// Every container that lists "Child" references resolves them one way: against objects read
// before the container, never by making the object from its element. "a-before" sorts before
// the container "m", "z-after" after it.
TEST_F(LoaderFixture, ChildReferencesResolveOnlyAgainstObjectsReadBefore) {
    const struct {
        const char* container;
        const char* set;
        Listed listed;
    } containers[] = {
        {"IAssembly", "ChildSet", ChildrenOf<IAssembly>()},
        {"IPart", "ChildSet", ChildrenOf<IPart>()},
        {"IGeometricSet", "ChildSet", ChildrenOf<IGeometricSet>()},
        {"IExtensionGeometry", "ChildSet", ChildrenOf<IExtensionGeometry>()},
        {"ISketch", "ChildSet",
         [](IObject& o) { return IdsOf(dynamic_cast<ISketch&>(o).ChildIds()); }},
        {"ISketch", "CurveSet",
         [](IObject& o) { return IdsOf(dynamic_cast<ISketch&>(o).CurveIds()); }},
        {"IAnnotationCallout", "ChildSet", ChildrenOf<IAnnotationCallout>()},
        {"IAnnotationCalloutElement", "ChildSet", ChildrenOf<IAnnotationCalloutElement>()},
        {"IAnnotationCallout", "AnnotationPlane",
         [](IObject& o) {
             UTF8String plane;
             dynamic_cast<IAnnotationCallout&>(o).AnnotationPlane(plane);
             return plane.IsEmpty() ? std::vector<std::string>{}
                                    : std::vector<std::string>{plane.Value()};
         }},
    };
    for (const auto& c : containers) {
        SCOPED_TRACE(std::string(c.container) + "/" + c.set);
        XMLProducerImpl& producer =
            Load(std::string(R"(<IPoint ID="a-before"/><)") + c.container + R"( ID="m"><)" + c.set +
                 R"(><Child ID="a-before"/><Child ID="z-after"/><Child ID="nowhere"/></)" + c.set +
                 "></" + c.container + R"(><IPoint ID="z-after"/>)");
        IObject* container = producer.Context().Find(UTF8String("m"));
        ASSERT_NE(container, nullptr);
        EXPECT_EQ(c.listed(*container), std::vector<std::string>{"a-before"});

        // "z-after" was made by the loading pass after the container, not by the reference.
        std::vector<std::string> made;
        producer.Collector()->ForEach(
            [&](IObject& object) { made.push_back(object.Id().Value()); });
        EXPECT_EQ(made, (std::vector<std::string>{"a-before", "m", "z-after"}));
        std::vector<std::string> unresolved;
        for (const XMLLoadDiagnostic& entry : producer.Diagnostics().Entries()) {
            EXPECT_EQ(entry.code, DiagnosticCode::kUnresolvedReference);
            unresolved.push_back(entry.id.Value());
        }
        EXPECT_EQ(unresolved, (std::vector<std::string>{"z-after", "nowhere"}));
    }
}

} // namespace
} // namespace Orvik::Test
