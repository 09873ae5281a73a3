#include "IdLists.h"
#include "LoaderFixture.h"
#include "orvik/api/IGroup.h"
#include "orvik/api/ILayer.h"
#include "orvik/api/ILod.h"
#include "orvik/writer/GeometryStreamWriter.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using TestSupport::Ids;
using Strings = std::vector<std::string>;

// Documents whose root file (and, where a test says, an assembly) carries attribute sets.
class AttributeSetObjectsTest : public LoaderFixture {
protected:
    XMLProducerImpl& LoadSets(const std::string& sets, const char* prefix = nullptr,
                              const std::string& rest = "") {
        return Load(R"(<IFile ID="f" IsRoot="True"><AttributeSet>)" + sets +
                        "</AttributeSet></IFile>" + rest,
                    prefix);
    }

    const IFile& Root() const { return Get<IFile>(m_context->RootObjectId().Id().Value()); }

    template <typename Interface>
    const Interface& Get(const std::string& id) const {
        if (auto* object = dynamic_cast<Interface*>(m_context->Context().Find(UTF8String(id))))
            return *object;
        throw std::runtime_error("no object \"" + id + "\" of the interface asked for");
    }

    bool Holds(const std::string& id) const { return m_context->Context().Holds(UTF8String(id)); }

    // The messages the load recorded under the code.
    Strings Diagnosed(DiagnosticCode code) const {
        Strings messages;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            if (entry.code == code)
                messages.push_back(entry.message.Value());
        return messages;
    }
};

// Absent or empty "Visibility" shows the layer; any text but "True" hides it. The first element
// that gives the value wins, the layer itself before its "LayerInfo" and "GeometryItems".
TEST_F(AttributeSetObjectsTest, LayerVisibilityIsTrueOnlyForNoTextOrExactlyTrue) {
    const struct {
        const char* layer;
        bool visible;
    } cases[] = {
        {R"(<ILayer ID="1"/>)", true},
        {R"(<ILayer ID="1" Visibility=""/>)", true},
        {R"(<ILayer ID="1" Visibility="True"/>)", true},
        {R"(<ILayer ID="1" Visibility="true"/>)", false},
        {R"(<ILayer ID="1" Visibility="1"/>)", false},
        {R"(<ILayer ID="1"><LayerInfo Visibility="False"/></ILayer>)", false},
        {R"(<ILayer ID="1" Visibility="False"><LayerInfo Visibility="True"/></ILayer>)", false},
        {R"(<ILayer ID="1"><GeometryItems Visibility="True"/><LayerInfo Visibility="x"/></ILayer>)",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layer);
        LoadSets(std::string("<LayerSet>") + c.layer + "</LayerSet>");
        EXPECT_EQ(Get<ILayer>("1").IsVisible(), c.visible);
    }
}

// The number is the "ID" as written, also when a prefix gives the layer a new id; an "ID" that
// is no whole number from 0 up gives 0, with a note.
TEST_F(AttributeSetObjectsTest, LayerNumberIsTheIdAsWritten) {
    LoadSets(R"(<LayerSet><ILayer ID="7" Label="Walls" VersionPersistentId="v7">
                  <LayerInfo Description="All walls"/><ChangeKey>ck</ChangeKey>
                  <Styles><StyleRef ID="s1"/></Styles></ILayer>
                <ILayer ID="L2"/><ILayer ID="-3"/></LayerSet>)");
    const ILayer& layer = Get<ILayer>("7");
    EXPECT_EQ(layer.LayerNumber(), 7u);
    EXPECT_EQ(layer.Label(), UTF16String(u"Walls"));
    EXPECT_EQ(layer.Description(), UTF16String(u"All walls"));
    EXPECT_EQ(Ids(layer.Styles()), Strings{"s1"});
    UTF16String changeKey;
    EXPECT_EQ(layer.ChangeKey(changeKey), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(changeKey, UTF16String(u"ck"));
    UTF8String versionId;
    EXPECT_EQ(layer.VersionPersistentId(versionId), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Get<ILayer>("L2").LayerNumber(), 0u);
    EXPECT_EQ(Get<ILayer>("-3").LayerNumber(), 0u);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnparsableValue).size(), 2u);

    LoadSets(R"(<LayerSet><ILayer ID="7"/></LayerSet>)", "P");
    const Strings layers = Ids(Root().LayerSet());
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_NE(layers[0], "7");
    EXPECT_EQ(layers[0].rfind("P", 0), 0u);
    EXPECT_EQ(Get<ILayer>(layers[0]).LayerNumber(), 7u);
    EXPECT_FALSE(Holds("7"));
}

// The text is trimmed at its ends and split at ","; pieces keep inner blanks; an id listed
// twice is held once. Groups and layers read "Items" alike.
TEST_F(AttributeSetObjectsTest, ItemsAreSplitAtCommasAndHeldOnce) {
    const struct {
        const char* items;
        Strings ids;
    } cases[] = {
        {" a,b ", {"a", "b"}},
        {"a, b", {"a", " b"}},
        {"a,b,a", {"a", "b"}},
        {"a,,b,", {"a", "b"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        const std::string items = std::string(R"(<GeometryItems Items=")") + c.items + R"("/>)";
        LoadSets("<GroupSet><IGroup ID=\"g\" Label=\"G\">" + items + "</IGroup></GroupSet>" +
                 "<LayerSet><ILayer ID=\"1\">" + items + "</ILayer></LayerSet>");
        EXPECT_EQ(Ids(Get<IGroup>("g").GeometryItems()), c.ids);
        EXPECT_EQ(Ids(Get<ILayer>("1").GeometryItems()), c.ids);
    }
}

// Under a prefix the items are mapped as the objects they name are: the same id gets the same
// new id, whichever is met first.
TEST_F(AttributeSetObjectsTest, ItemsUnderAPrefixNameTheObjectsNewIds) {
    LoadSets(R"(<GroupSet><IGroup ID="g" Label="G"><GeometryItems Items="p,q"/></IGroup>
                </GroupSet>)",
             "P", R"(<IPart ID="p"/>)");
    const Strings items = Ids(Get<IGroup>(Ids(Root().GroupSet()).at(0)).GeometryItems());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(Get<IPart>(items[0]).Id(), UTF8String(items[0]));
    EXPECT_EQ(items[1].rfind("P", 0), 0u);
}

// Only "ILayer" children are layers; every child of a "GroupSet" is a group, whatever its name.
TEST_F(AttributeSetObjectsTest, LayerSetTakesILayerOnlyAndGroupSetTakesAnyName) {
    LoadSets(R"(<LayerSet><ILayer ID="1"/><Layer ID="2"/><ilayer ID="3"/></LayerSet>
                <GroupSet><IGroup ID="g1" Label="a"/><Anything ID="g2" Label="b"/></GroupSet>)");
    EXPECT_EQ(Ids(Root().LayerSet()), Strings{"1"});
    EXPECT_FALSE(Holds("2"));
    EXPECT_FALSE(Holds("3"));
    EXPECT_EQ(Ids(Root().GroupSet()), (Strings{"g1", "g2"}));
    EXPECT_EQ(Get<IGroup>("g2").Label(), UTF16String(u"b"));
}

TEST_F(AttributeSetObjectsTest, GroupReadsItsOwnChildren) {
    LoadSets(R"(<GroupSet><IGroup ID="g" Label="Wall type" VersionPersistentId="v1">
        <Description>Exterior</Description><ChangeKey>ck</ChangeKey>
        <Materials><MaterialRef ID="m1"/><MaterialRef ID="m1"/><MaterialRef ID="m2"/></Materials>
        <ExtensionData TypeId="t1" Content="abc"/>
        <GeometryItems Items="a"/><Unknown/></IGroup></GroupSet>)");
    const IGroup& group = Get<IGroup>("g");
    EXPECT_EQ(group.Description(), UTF16String(u"Exterior"));
    EXPECT_EQ(Ids(group.Materials()), (Strings{"m1", "m2"}));
    EXPECT_EQ(Ids(group.GeometryItems()), Strings{"a"});
    UTF16String changeKey;
    EXPECT_EQ(group.ChangeKey(changeKey), IsValueSpecifiedEnum::kSpecified);
    ExtensionDataContent content;
    EXPECT_EQ(group.ExtensionDataByTypeId(UTF8String("t1"), content),
              IsValueSpecifiedEnum::kSpecified);
    UTF8String versionId;
    EXPECT_EQ(group.VersionPersistentId(versionId), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(versionId, UTF8String("v1"));
    EXPECT_EQ(group.DomainData(), nullptr);
}

// A group the reader cannot take is skipped whole, with a diagnostic; the set reads on.
TEST_F(AttributeSetObjectsTest, GroupsLackingIdLabelOrItemsAreSkipped) {
    const struct {
        const char* group;
        DiagnosticCode code;
    } cases[] = {
        {R"(<IGroup Label="no id"/>)", DiagnosticCode::kMissingId},
        {R"(<IGroup ID="bad"/>)", DiagnosticCode::kReadFailed},
        {R"(<IGroup ID="bad" Label="l"><GeometryItems/></IGroup>)", DiagnosticCode::kReadFailed},
        {R"(<IGroup ID="bad" Label="l"><GeometryItems Item="a"/></IGroup>)",
         DiagnosticCode::kReadFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        LoadSets(std::string("<GroupSet>") + c.group + R"(<IGroup ID="ok" Label="l"/></GroupSet>)");
        EXPECT_EQ(Ids(Root().GroupSet()), Strings{"ok"});
        EXPECT_FALSE(Holds("bad"));
        EXPECT_EQ(Diagnosed(c.code).size(), 1u);
    }
}

// The first "ILod" met for an id defines it for the document: a later one, in the same set or
// another owner's, makes nothing and does not reach its owner's set. Owners are read in
// ascending id order.
TEST_F(AttributeSetObjectsTest, FirstLodOfAnIdDefinesIt) {
    LoadSets(R"(<LodSet><ILod ID="l" Label="first" Description="d" VersionPersistentId="v"/>
                  <ILod ID="l" Label="second"/><Lod ID="x"/></LodSet>
                <LodSet><ILod ID="l" Label="third"/><ILod ID="m"/></LodSet>)",
             nullptr,
             R"(<IAssembly ID="z"><AttributeSet><LodSet><ILod ID="l" Label="fourth"/>
                  <ILod ID="n"/></LodSet></AttributeSet></IAssembly>)");
    const ILod& lod = Get<ILod>("l");
    EXPECT_EQ(lod.Label(), UTF16String(u"first"));
    EXPECT_EQ(lod.Description(), UTF16String(u"d"));
    UTF8String versionId;
    EXPECT_EQ(lod.VersionPersistentId(versionId), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Ids(Root().LodSet()), (Strings{"l", "m"}));
    EXPECT_EQ(Ids(Get<IAssembly>("z").LodSet()), Strings{"n"});
    EXPECT_FALSE(Holds("x"));
}

// Elements without attributes share the empty id; only the first makes a level of detail.
TEST_F(AttributeSetObjectsTest, LodWithoutAttributesHasTheEmptyId) {
    LoadSets(R"(<LodSet><ILod/><ILod Label="again"/></LodSet>)");
    EXPECT_EQ(Ids(Root().LodSet()), Strings{""});
    EXPECT_EQ(Get<ILod>("").Label(), UTF16String());
    EXPECT_EQ(Diagnosed(DiagnosticCode::kMissingId).size(), 1u);
}

// Levels of detail keep their ids under a prefix, as meshes keep their "LODID", so the two
// still meet.
TEST_F(AttributeSetObjectsTest, LodAndMeshLodIdKeepTheirIdsUnderAPrefix) {
    Writer::StreamMesh triangle;
    triangle.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    triangle.polygons = {{{0, 1, 2}, {}}};
    Writer::GeometryStreamWriter stream(false, false);
    stream.AddMesh("m", triangle);
    stream.WriteTo(m_dir.PathOf("mesh.bin"));
    Load(R"(<MeshInfo GenerateMesh="True" Path="mesh.bin"/>
        <IFile ID="f" IsRoot="True"><AttributeSet><LodSet><ILod ID="fine"/></LodSet>
          </AttributeSet></IFile>
        <IPart ID="p"><ChildSet><IPolygonMesh ID="m" LODID="fine"/></ChildSet></IPart>)",
         "P");
    EXPECT_EQ(Ids(Root().LodSet()), Strings{"fine"});
    EXPECT_EQ(Get<ILod>("fine").Id(), UTF8String("fine"));
    UTF8String part;
    ASSERT_TRUE(m_context->Context().ResolveHeld(UTF8String("p"), part));
    ASSERT_EQ(Get<IPart>(part.Value()).ChildCount(), 1u);
    const std::string mesh = Get<IPart>(part.Value()).ChildAt(0).Id().Value();
    EXPECT_EQ(Get<IPolygonMesh>(mesh).LodId(), UTF8String("fine"));
}

// Thousands of items, each listed twice and by several groups and a layer, under a prefix:
// every list holds each item once, and all name them alike. (Its cost is a benchmark's
// business, not a unit test's.)
TEST_F(AttributeSetObjectsTest, LongItemListsHoldEachItemOnce) {
    constexpr std::size_t kCount = 20000;
    std::string items;
    for (std::size_t i = 0; i < 2 * kCount; ++i)
        items += "item-" + std::to_string(i % kCount) + ",";
    const std::string list = R"(<GeometryItems Items=")" + items + R"("/>)";
    std::string sets = "<GroupSet>";
    for (const char* id : {"g1", "g2", "g3"})
        sets += std::string("<IGroup ID=\"") + id + "\" Label=\"l\">" + list + "</IGroup>";
    sets += "</GroupSet><LayerSet><ILayer ID=\"1\">" + list + "</ILayer></LayerSet>";
    LoadSets(sets, "P");
    std::vector<IdSet> lists;
    for (const std::string& group : Ids(Root().GroupSet()))
        lists.push_back(Get<IGroup>(group).GeometryItems());
    lists.push_back(Get<ILayer>(Ids(Root().LayerSet()).at(0)).GeometryItems());
    ASSERT_EQ(lists.size(), 4u);
    for (const IdSet& held : lists)
        EXPECT_EQ(held.Size(), kCount);
    EXPECT_EQ(Ids(lists.front()), Ids(lists.back())) << "one mapping for every list";
}

} // namespace
} // namespace Orvik::Test
