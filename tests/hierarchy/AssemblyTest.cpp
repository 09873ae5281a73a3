#include "LoaderFixture.h"
#include "hierarchy/XMLAssembly.h"

#include <stdexcept>

namespace Orvik::Test {
namespace {

class AssemblyTest : public LoaderFixture {
protected:
    static XMLAssembly& AssemblyOf(XMLProducerImpl& context, const char* id) {
        auto* assembly = dynamic_cast<XMLAssembly*>(context.Context().Find(UTF8String(id)));
        EXPECT_NE(assembly, nullptr) << id;
        return *assembly;
    }

    static std::vector<std::string> ChildIds(const IAssembly& assembly) {
        std::vector<std::string> ids;
        for (std::uint64_t i = 0; i < assembly.ChildCount(); ++i)
            ids.push_back(assembly.ChildAt(i).Id().Value());
        return ids;
    }
};

TEST_F(AssemblyTest, CrossLevelAttributesListOverridesByOccurrencePath) {
    XMLProducerImpl& context = Load(R"(<IAssembly ID="a">
        <CrossLevelAttributes><Visibilities>
          <EntityVisibility Path="[i1][i2][i1]" Visibility="1"/>
          <EntityVisibility Path="[i3]" Visibility="true"/><EntityVisibility/>
        </Visibilities><Styles>
          <EntityStyles Path="[i1]"><Styles><StyleRef ID="s1"/></Styles>
            <NetStyles><StyleRef ID="s2"/></NetStyles><Other><StyleRef ID="s3"/></Other>
          </EntityStyles>
          <EntityStyles><Styles><StyleRef ID="s4"/></Styles></EntityStyles>
        </Styles></CrossLevelAttributes>
        <CrossLevelAttributes><Transformations>
          <EntityTransformation Path="[i1][i2]" Transformation="1 0 0 5 0 1 0 6 0 0 1 7"/>
        </Transformations></CrossLevelAttributes></IAssembly>)");
    const XMLAssembly& assembly = AssemblyOf(context, "a");
    IdSet path;
    bool visible = false;
    ASSERT_EQ(assembly.EntityVisibilityCount(), 2u);
    assembly.EntityVisibilityAt(0, path, visible);
    EXPECT_EQ(path, (IdSet{UTF8String("i1"), UTF8String("i2")}));
    EXPECT_TRUE(visible);
    assembly.EntityVisibilityAt(1, path, visible);
    EXPECT_FALSE(visible);

    IdSet styles;
    ASSERT_EQ(assembly.EntityStylesCount(), 1u);
    assembly.EntityStylesAt(0, path, styles);
    EXPECT_EQ(path, (IdSet{UTF8String("i1")}));
    EXPECT_EQ(styles, (IdSet{UTF8String("s1"), UTF8String("s2")}));

    Matrix3d transform;
    ASSERT_EQ(assembly.EntityTransformationCount(), 1u);
    assembly.EntityTransformationAt(0, path, transform);
    EXPECT_EQ(path, (IdSet{UTF8String("i1"), UTF8String("i2")}));
    EXPECT_EQ(transform.At(0, 3), 5.0);
    EXPECT_EQ(transform.At(2, 3), 7.0);

    EXPECT_THROW(assembly.EntityVisibilityAt(2, path, visible), std::out_of_range);
    EXPECT_THROW(assembly.EntityStylesAt(1, path, styles), std::out_of_range);
    EXPECT_THROW(assembly.EntityTransformationAt(1, path, transform), std::out_of_range);
}

// A "Child" lists only what was read before the assembly; the file's child set, not the
// assembly, makes "m" early.
TEST_F(AssemblyTest, ReferencedChildrenResolveOnlyAgainstObjectsReadBefore) {
    XMLProducerImpl& context = Load(R"(<IFile ID="f" IsRoot="True"><ChildSet><Child ID="m"/>
        </ChildSet></IFile>
        <IAssembly ID="m"><ChildSet><Child ID="z"/><Child/><Child ID="missing"/>
          <IPart ID="inline-part"/><IWorkAxis ID="axis"/><Child ID="b"/></ChildSet></IAssembly>
        <IAssembly ID="z"/><IAssembly ID="b"/>)");
    const XMLAssembly& assembly = AssemblyOf(context, "m");
    EXPECT_EQ(ChildIds(assembly), (std::vector<std::string>{"axis", "b"}));
    EXPECT_EQ(assembly.ChildAt(1).Kind(), ObjectKindEnum::kAssembly);

    std::vector<std::string> created;
    context.Collector()->ForEach([&](IObject& object) { created.push_back(object.Id().Value()); });
    EXPECT_EQ(created, (std::vector<std::string>{"b", "axis", "m", "f", "z"}));
    std::vector<std::string> unresolved;
    for (const XMLLoadDiagnostic& entry : context.Diagnostics().Entries())
        if (entry.code == DiagnosticCode::kUnresolvedReference)
            unresolved.push_back(entry.id.Value());
    EXPECT_EQ(unresolved, (std::vector<std::string>{"z", "missing"}));

    try {
        assembly.ChildAt(2);
        FAIL() << "expected GeneralException";
    } catch (const GeneralException& e) {
        EXPECT_EQ(e.Message().Value(), "Invalid index to child of XMLAssembly.");
    }
}

TEST_F(AssemblyTest, InstancesBecomeChildrenOnlyWhenTheyPlaceAnExistingObject) {
    XMLProducerImpl& context = Load(R"(<IAssembly ID="a"><ChildSet>
        <IInstance ID="i1"><Child ID="placed"/></IInstance>
        <IInstance ID="i2"><Child ID="nowhere"/></IInstance></ChildSet></IAssembly>
        <IAssembly ID="placed"/>)");
    const XMLAssembly& assembly = AssemblyOf(context, "a");
    EXPECT_EQ(ChildIds(assembly), (std::vector<std::string>{"i1"}));
    EXPECT_EQ(assembly.ChildAt(0).Kind(), ObjectKindEnum::kInstance);
}

TEST_F(AssemblyTest, ReferenceCyclesBetweenAssembliesResolveOneWay) {
    XMLProducerImpl& context = Load(R"(<IAssembly ID="a"><ChildSet><Child ID="b"/></ChildSet>
        </IAssembly><IAssembly ID="b"><ChildSet><Child ID="a"/></ChildSet></IAssembly>)");
    EXPECT_TRUE(ChildIds(AssemblyOf(context, "a")).empty());
    EXPECT_EQ(ChildIds(AssemblyOf(context, "b")), (std::vector<std::string>{"a"}));
}

TEST_F(AssemblyTest, UnderAnIdPrefixChildrenAreKnownByTheirNewIds) {
    XMLProducerImpl& context = Load(R"(<IAssembly ID="m" Label="M"><ChildSet><Child ID="a"/>
        </ChildSet></IAssembly><IAssembly ID="a" Label="A"/>)",
                                    "P");
    std::map<std::string, IAssembly*> byLabel;
    context.Collector()->ForEach([&](IObject& object) {
        byLabel[object.Label().ToUTF8()] = dynamic_cast<IAssembly*>(&object);
    });
    ASSERT_EQ(byLabel.size(), 2u);
    ASSERT_EQ(byLabel["M"]->ChildCount(), 1u);
    EXPECT_EQ(byLabel["M"]->ChildAt(0).Id(), byLabel["A"]->Id());
    EXPECT_EQ(byLabel["A"]->Id().Value().rfind("P", 0), 0u);
}

} // namespace
} // namespace Orvik::Test
