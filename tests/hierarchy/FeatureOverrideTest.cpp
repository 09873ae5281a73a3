#include "IdLists.h"
#include "LoaderFixture.h"
#include "orvik/api/IAssemblyFeatureOverride.h"
#include "orvik/writer/BodyFileWriter.h"
#include "orvik/writer/GeometryStreamWriter.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using TestSupport::Ids;
using Strings = std::vector<std::string>;

// An assembly "a" whose child set holds the overrides a test writes; the side files hold the
// body "B1" and the mesh "M1".
class FeatureOverrideTest : public LoaderFixture {
protected:
    void LoadOverrides(const std::string& overrides, const char* prefix = nullptr) {
        Writer::BodyFileWriter().AddBody({"B1", {"F1"}, {}}).WriteText(m_dir.PathOf("b.sat"));
        Writer::StreamMesh triangle;
        triangle.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
        triangle.polygons = {{{0, 1, 2}, {}}};
        Writer::GeometryStreamWriter stream(false, false);
        stream.AddMesh("M1", triangle);
        stream.WriteTo(m_dir.PathOf("m.bin"));
        Load(R"(<SatInfo Path="b.sat"/><MeshInfo GenerateMesh="True" Path="m.bin"/>
                <IAssembly ID="a"><ChildSet>)" +
                 overrides + "</ChildSet></IAssembly>",
             prefix);
    }

    const IAssemblyFeatureOverride& Override(const std::string& id) const {
        auto* found =
            dynamic_cast<IAssemblyFeatureOverride*>(m_context->Context().Find(UTF8String(id)));
        if (found == nullptr)
            throw std::runtime_error("no override \"" + id + "\"");
        return *found;
    }

    static std::vector<Strings> Paths(const IAssemblyFeatureOverride& featureOverride) {
        OccurrencePathCollection paths;
        featureOverride.BaseOccPaths(paths);
        std::vector<Strings> values;
        for (std::size_t i = 0; i < paths.PathCount(); ++i)
            values.push_back(Ids(paths.PathAt(i)));
        return values;
    }
};

// Bodies and meshes are its children; a curve or anything else in its child set is passed over.
TEST_F(FeatureOverrideTest, ReadsItsAttributesAndChildren) {
    LoadOverrides(R"(<IAssemblyFeatureOverride ID="o" Label="Opening" VersionPersistentId="v1">
          <BaseOccPaths><BaseOccPath Path="[i1][i2]"/><Other Path="[x]"/></BaseOccPaths>
          <ChildSet><IBrep ID="B1"/><ICurve ID="c"/><IPolygonMesh ID="M1"/><IPart ID="p"/>
          </ChildSet>
          <ChangeKey>ck</ChangeKey><ExtensionData TypeId="t" Content="c"/></IAssemblyFeatureOverride>
        <IAssemblyFeatureOverride ID="hidden" Visibility="False"/>)");
    const IAssemblyFeatureOverride& featureOverride = Override("o");
    EXPECT_EQ(featureOverride.Label(), UTF16String(u"Opening"));
    EXPECT_TRUE(featureOverride.IsVisible());
    EXPECT_FALSE(Override("hidden").IsVisible());
    EXPECT_EQ(Paths(featureOverride), (std::vector<Strings>{{"i1", "i2"}}));
    ASSERT_EQ(featureOverride.ChildCount(), 2u);
    EXPECT_EQ(featureOverride.ChildAt(0).Id(), UTF8String("B1"));
    EXPECT_EQ(featureOverride.ChildAt(0).Kind(), ObjectKindEnum::kBrep);
    EXPECT_EQ(featureOverride.ChildAt(1).Kind(), ObjectKindEnum::kPolygonMesh);
    EXPECT_THROW(featureOverride.ChildAt(2), std::out_of_range);
    UTF16String changeKey;
    EXPECT_EQ(featureOverride.ChangeKey(changeKey), IsValueSpecifiedEnum::kSpecified);
    ExtensionDataContent content;
    EXPECT_EQ(featureOverride.ExtensionDataByTypeId(UTF8String("t"), content),
              IsValueSpecifiedEnum::kSpecified);
    EXPECT_FALSE(m_context->Context().Holds(UTF8String("c")));
    EXPECT_FALSE(m_context->Context().Holds(UTF8String("p")));

    const auto& assembly = dynamic_cast<IAssembly&>(*m_context->Context().Find(UTF8String("a")));
    ASSERT_EQ(assembly.ChildCount(), 2u);
    EXPECT_EQ(assembly.ChildAt(0).Kind(), ObjectKindEnum::kAssemblyFeatureOverride);
}

// "BaseOccPaths" in any letter case; each attribute of a "BaseOccPath" is one path, whatever
// its name; paths from several lists add up.
TEST_F(FeatureOverrideTest, EveryAttributeOfABaseOccPathIsAPath) {
    LoadOverrides(R"(<IAssemblyFeatureOverride ID="o">
          <baseoccpaths><BaseOccPath A="[a]" B="[b][c]"/></baseoccpaths>
          <BASEOCCPATHS><BaseOccPath Path="[d]"/><baseoccpath Path="[e]"/></BASEOCCPATHS>
        </IAssemblyFeatureOverride>)");
    std::vector<Strings> paths = Paths(Override("o"));
    EXPECT_EQ(paths, (std::vector<Strings>{{"a"}, {"b", "c"}, {"d"}}));
}

// Its id is not mapped, so the assembly lists it under the id as written.
TEST_F(FeatureOverrideTest, KeepsItsIdAsWrittenUnderAPrefix) {
    LoadOverrides(R"(<IAssemblyFeatureOverride ID="o"><ChildSet><IBrep ID="B1"/></ChildSet>
        </IAssemblyFeatureOverride>)",
                  "P");
    const IAssemblyFeatureOverride& featureOverride = Override("o");
    EXPECT_EQ(featureOverride.Id(), UTF8String("o"));
    ASSERT_EQ(featureOverride.ChildCount(), 1u);
    EXPECT_EQ(featureOverride.ChildAt(0).Id().Value().rfind("P", 0), 0u);
    UTF8String assemblyId;
    ASSERT_TRUE(m_context->Context().ResolveHeld(UTF8String("a"), assemblyId));
    const auto* assembly = dynamic_cast<IAssembly*>(m_context->Context().Find(assemblyId));
    ASSERT_NE(assembly, nullptr);
    ASSERT_EQ(assembly->ChildCount(), 1u);
    EXPECT_EQ(assembly->ChildAt(0).Id(), UTF8String("o"));
}

} // namespace
} // namespace Orvik::Test
