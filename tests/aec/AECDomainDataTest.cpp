#include "DomParser.h"
#include "LoaderFixture.h"
#include "hierarchy/AECDomainDataReader.h"
#include "orvik/api/GeneralException.h"
#include "orvik/api/IGroup.h"
#include "orvik/api/aec/IAECObjectData.h"
#include "orvik/api/aec/IAECProjectContext.h"
#include "orvik/api/aec/IAECTypeObjectData.h"

#include <string>

namespace Orvik::Test {
namespace {

// A universe whose project context has the owner histories "h1" and "h2".
const std::string kUniverse = R"(<IUniverse><IAECProjectContext><AECProjectHistoryContext>
      <OrganizationSet><OrganizationData HistoryContextId="o1" Name="Builders"/></OrganizationSet>
      <OwnerHistorySet>
        <OwnerHistoryData HistoryContextId="h1" State="kReadWrite">
          <OwningOrganization HistoryContextIdRef="o1"/></OwnerHistoryData>
        <OwnerHistoryData HistoryContextId="h2" ChangeAction="kAdded"/>
      </OwnerHistorySet></AECProjectHistoryContext></IAECProjectContext></IUniverse>)";

// The AEC data of instances and groups, read from documents with that universe.
class AECDomainDataTest : public LoaderFixture {
protected:
    // An instance "i" of the part "p" carrying the element, and a group "g" carrying the type
    // data; either may be empty.
    void LoadData(const std::string& objectData, const std::string& typeObjectData = "",
                  const char* prefix = nullptr, const std::string& universe = kUniverse) {
        Load(universe + R"(<IFile ID="f" IsRoot="True"><AttributeSet><GroupSet>
               <IGroup ID="g" Label="Wall type">)" +
                 typeObjectData + R"(</IGroup></GroupSet></AttributeSet>
             <ChildSet><Child ID="a"/></ChildSet></IFile>
             <IAssembly ID="a"><ChildSet><IInstance ID="i"><Child ID="p"/>)" +
                 objectData + R"(</IInstance></ChildSet></IAssembly><IPart ID="p"/>)",
             prefix);
    }

    IObject* Find(const std::string& id) const { return m_context->Context().Find(UTF8String(id)); }
    // The new id under a prefix.
    std::string Mapped(const std::string& id) const {
        UTF8String mapped;
        return m_context->Context().ResolveHeld(UTF8String(id), mapped) ? mapped.Value() : id;
    }
    const IAECObjectData* ObjectData(const std::string& instance = "i") const {
        const IObject* object = Find(Mapped(instance));
        return object ? dynamic_cast<const IAECObjectData*>(object->DomainData()) : nullptr;
    }
    const IAECTypeObjectData* TypeObjectData() const {
        const IObject* group = Find(Mapped("g"));
        return group ? dynamic_cast<const IAECTypeObjectData*>(group->DomainData()) : nullptr;
    }
    const OwnerHistoryData* History(std::size_t index) const {
        const auto* project = dynamic_cast<const IAECProjectContext*>(
            m_context->LoadUniverse()->DomainProjectContext());
        return &project->HistoryContext()->OwnerHistoryAt(index);
    }
    std::size_t Diagnosed(DiagnosticCode code) const {
        std::size_t count = 0;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            count += entry.code == code ? 1 : 0;
        return count;
    }
};

TEST_F(AECDomainDataTest, InstanceDataNamesItsTypeAndOwnerHistory) {
    LoadData(R"(<IAECObjectData DomainDataTypeId="IfcWall" OwnerObjectId="guid-1"
                  DomainDataSourceType="IFC4" DomainDataSubTypeId="SHEAR" TypeObjectId="g">
                  <Other/><OwnerHistory HistoryContextIdRef="h2"/>
                  <OwnerHistory HistoryContextIdRef="h1"/></IAECObjectData>)");
    const IAECObjectData* data = ObjectData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->OwnerObjectId(), UTF8String("guid-1"));
    EXPECT_EQ(data->DomainDataTypeId(), UTF8String("IfcWall"));
    EXPECT_EQ(data->DomainDataSourceType(), UTF8String("IFC4"));
    UTF8String subType;
    EXPECT_EQ(data->DomainDataSubTypeId(subType), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(subType, UTF8String("SHEAR"));
    AECTypeObjectId typeObject;
    ASSERT_EQ(data->TypeObjectId(typeObject), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(typeObject.Id(), UTF8String("g"));
    EXPECT_EQ(typeObject.Kind(), ObjectKindEnum::kGroup);
    EXPECT_EQ(data->OwnerHistory(), History(1)) << "the first that resolves";
}

// Optional values stay unspecified; the first unresolvable owner history is passed over.
TEST_F(AECDomainDataTest, UnknownOwnerHistoryLeavesItNull) {
    LoadData(R"(<IAECObjectData DomainDataTypeId="t" OwnerObjectId="o" DomainDataSourceType="s">
                  <OwnerHistory HistoryContextIdRef="nowhere"/><OwnerHistory/>
                </IAECObjectData>)");
    const IAECObjectData* data = ObjectData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->OwnerHistory(), nullptr);
    UTF8String text;
    AECTypeObjectId typeObject;
    EXPECT_EQ(data->DomainDataSubTypeId(text), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(data->TypeObjectId(typeObject), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnresolvedReference), 1u);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kMissingId), 1u);

    // Without a building project context nothing resolves.
    LoadData(R"(<IAECObjectData DomainDataTypeId="t" OwnerObjectId="o" DomainDataSourceType="s">
                  <OwnerHistory HistoryContextIdRef="h1"/></IAECObjectData>)",
             "", nullptr, "<IUniverse/>");
    ASSERT_NE(ObjectData(), nullptr);
    EXPECT_EQ(ObjectData()->OwnerHistory(), nullptr);
}

// Each of the three identity attributes is required; a second element replaces the first only
// when it can be read.
TEST_F(AECDomainDataTest, DataLackingAnIdentityAttributeYieldsNothing) {
    for (const char* attributes : {R"(DomainDataTypeId="t" DomainDataSourceType="s")",
                                   R"(OwnerObjectId="o" DomainDataSourceType="s")",
                                   R"(DomainDataTypeId="t" OwnerObjectId="o")"}) {
        SCOPED_TRACE(attributes);
        LoadData(std::string("<IAECObjectData ") + attributes + "/>",
                 std::string("<IAECTypeObjectData ") + attributes + "/>");
        ASSERT_NE(Find("i"), nullptr);
        EXPECT_EQ(Find("i")->DomainData(), nullptr);
        EXPECT_EQ(Find("g")->DomainData(), nullptr);
        EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed), 2u);
    }
    LoadData(
        R"(<IAECObjectData DomainDataTypeId="first" OwnerObjectId="o" DomainDataSourceType="s"/>
                <IAECObjectData DomainDataTypeId="second" DomainDataSourceType="s"/>)");
    ASSERT_NE(ObjectData(), nullptr);
    EXPECT_EQ(ObjectData()->DomainDataTypeId(), UTF8String("first"));
}

// The reader replaces what it was given only with what it could read.
TEST_F(AECDomainDataTest, ElementsOfOtherNamesYieldNothingAndKeepWhatWasHeld) {
    LoadData("");
    TestSupport::DomParser dom;
    ReadContext& context = m_context->Context();
    const std::string identity =
        R"( DomainDataTypeId="t" OwnerObjectId="o" DomainDataSourceType="s"/>)";
    std::unique_ptr<IDomainData> held;
    ASSERT_TRUE(AECDomainDataReader::Read(context, *dom.Parse("<IAECObjectData" + identity), held));
    const IDomainData* first = held.get();
    EXPECT_FALSE(AECDomainDataReader::Read(context, *dom.Parse("<IAECData" + identity), held));
    EXPECT_FALSE(AECDomainDataReader::Read(
        context, *dom.Parse(R"(<IAECTypeObjectData DomainDataTypeId="t"/>)"), held));
    EXPECT_EQ(held.get(), first);
    ASSERT_TRUE(
        AECDomainDataReader::Read(context, *dom.Parse("<IAECTypeObjectData" + identity), held));
    EXPECT_NE(dynamic_cast<const IAECTypeObjectData*>(held.get()), nullptr);
}

// Shared components are parts, each once per list; after an owner history that resolves,
// nothing more is read.
TEST_F(AECDomainDataTest, TypeDataListsSharedComponentsUntilItsOwnerHistory) {
    LoadData("", R"(<IAECTypeObjectData DomainDataTypeId="IfcWallType" OwnerObjectId="g"
          DomainDataSourceType="IFC4" DomainDataSubTypeId="STANDARD">
        <SharedGeometryComponentIdSet><SharedGeometryComponentId ID="p"/>
          <SharedGeometryComponentId ID="q"/><SharedGeometryComponentId ID="p"/>
          <SharedGeometryComponentId ID=""/></SharedGeometryComponentIdSet>
        <OwnerHistory HistoryContextIdRef="h1"/><OwnerHistory HistoryContextIdRef="h2"/>
        <SharedGeometryComponentIdSet><SharedGeometryComponentId ID="late"/>
        </SharedGeometryComponentIdSet></IAECTypeObjectData>)");
    const IAECTypeObjectData* data = TypeObjectData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->OwnerHistory(), History(0));
    ASSERT_EQ(data->SharedGeometryComponentIdCount(), 2u);
    EXPECT_EQ(data->SharedGeometryComponentIdAt(0).Id(), UTF8String("p"));
    EXPECT_EQ(data->SharedGeometryComponentIdAt(0).Kind(), ObjectKindEnum::kPart);
    EXPECT_EQ(data->SharedGeometryComponentIdAt(1).Id(), UTF8String("q"));
    try {
        data->SharedGeometryComponentIdAt(data->SharedGeometryComponentIdCount());
        FAIL() << "no exception";
    } catch (const GeneralException& error) {
        EXPECT_STREQ(error.what(), "Invalid shared geometry component id  index.");
        EXPECT_EQ(error.Reporter(), 2);
    }
}

// Under a prefix the type object id names the group by its new id, as the group's own id and
// the shared components are mapped; the owner object id stays as written.
TEST_F(AECDomainDataTest, TypeObjectIdNamesTheGroupUnderAPrefix) {
    LoadData(R"(<IAECObjectData DomainDataTypeId="t" OwnerObjectId="i" DomainDataSourceType="s"
                  TypeObjectId="g"/>)",
             R"(<IAECTypeObjectData DomainDataTypeId="t" OwnerObjectId="g" DomainDataSourceType="s">
                  <SharedGeometryComponentIdSet><SharedGeometryComponentId ID="p"/>
                  </SharedGeometryComponentIdSet></IAECTypeObjectData>)",
             "P");
    ASSERT_NE(ObjectData(), nullptr);
    AECTypeObjectId typeObject;
    ASSERT_EQ(ObjectData()->TypeObjectId(typeObject), IsValueSpecifiedEnum::kSpecified);
    EXPECT_NE(typeObject.Id(), UTF8String("g"));
    EXPECT_NE(dynamic_cast<IGroup*>(Find(typeObject.Id().Value())), nullptr);
    EXPECT_EQ(ObjectData()->OwnerObjectId(), UTF8String("i"));
    ASSERT_NE(TypeObjectData(), nullptr);
    EXPECT_NE(
        dynamic_cast<IPart*>(Find(TypeObjectData()->SharedGeometryComponentIdAt(0).Id().Value())),
        nullptr);
}

} // namespace
} // namespace Orvik::Test
