#include "LoaderFixture.h"
#include "hierarchy/XMLInstance.h"
#include "loader/Dispatcher.h"

#include <string>
#include <xercesc/dom/DOMDocument.hpp>

namespace Orvik::Test {
namespace {

using Builder = Writer::XmlDocumentBuilder;

class InstanceTest : public LoaderFixture {
protected:
    IInstance* InstanceOf(const std::string& id) const {
        return dynamic_cast<IInstance*>(m_context->Context().Find(UTF8String(id)));
    }

    static void Instance(Builder& b, const std::string& id, const std::string& placed,
                         Writer::XmlDocumentBuilder::AttributeList attributes = {}) {
        b.Open("IInstance").Attribute("ID", id);
        for (const auto& [name, value] : attributes)
            b.Attribute(name, value);
        b.Element("Child", {{"ID", placed}});
        b.Close();
    }

    static void Part(Builder& b, const std::string& id) { b.Element("IPart", {{"ID", id}}); }

    static void Assembly(Builder& b, const std::string& id, const std::string& placed) {
        b.Open("IAssembly").Attribute("ID", id).Attribute("Label", id).Open("ChildSet");
        Instance(b, id + "-inst", placed);
        b.Close().Close();
    }

    std::size_t InstanceCount() const {
        std::size_t count = 0;
        m_context->Collector()->ForEach([&](IObject& object) {
            if (KindOf(&object) == ObjectKindEnum::kInstance)
                ++count;
        });
        return count;
    }
};

TEST_F(InstanceTest, ReadsItsOwnElements) {
    // A later child replaces the earlier reference and transform; visible only when exactly 1.
    Load(R"(<IPart ID="p"/><IPart ID="q"/>
        <IInstance ID="i" Label="Bolt" Visibility="1" NetVisibility="1">
          <Child ID="p" Transformation="1 0 0 5 0 1 0 6 0 0 1 7"/>
          <Unit LengthUnit="Meter" DisplayAngleUnit="Degree"/>
          <Styles><StyleRef ID="s1"/></Styles><NetStyles><StyleRef ID="s2"/></NetStyles>
          <Materials><MaterialRef ID="m1"/></Materials>
          <Animations><AnimationRef ID="a1"/></Animations></IInstance>
        <IInstance ID="plain" Visibility="true" NetVisibility="True">
          <Child ID="p" Transformation="1 0 0 9 0 1 0 9 0 0 1 9"/><Child ID="q"/><Child/></IInstance>
        <IInstance ID="bare"><Child ID="p"/></IInstance>)");
    IInstance* instance = InstanceOf("i");
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->Label(), UTF16String(u"Bolt"));
    EXPECT_TRUE(instance->IsVisible());
    EXPECT_TRUE(instance->IsNetVisible());
    EXPECT_EQ(instance->InstanceChild().Kind(), ObjectKindEnum::kPart);
    EXPECT_EQ(instance->Transform().At(0, 3), 5.0);
    EXPECT_EQ(instance->Transform().At(2, 3), 7.0);
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    ASSERT_EQ(instance->DisplayAngleUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Degree);
    EXPECT_EQ(instance->Styles(), IdSet({UTF8String("s1")}));
    EXPECT_EQ(instance->NetStyles(), IdSet({UTF8String("s2")}));
    EXPECT_EQ(instance->Materials(), IdSet({UTF8String("m1")}));
    IdSet channels;
    ASSERT_EQ(instance->KeyframeAnimationChannels(channels), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(channels, IdSet({UTF8String("a1")}));

    IInstance* plain = InstanceOf("plain");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->KeyframeAnimationChannels(channels), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(plain->InstanceChild().Id(), UTF8String("q"));
    EXPECT_TRUE(plain->Transform().IsIdentity());
    for (const char* id : {"plain", "bare"}) {
        EXPECT_FALSE(InstanceOf(id)->IsVisible()) << id;
        EXPECT_FALSE(InstanceOf(id)->IsNetVisible()) << id;
    }
}

TEST_F(InstanceTest, PlacedPartsAndFilesAreMadeOnDemandWhereverTheyStand) {
    Load([](Builder& b) {
        Instance(b, "a-instance", "z-part");
        Instance(b, "b-instance", "z-part");
        Instance(b, "c-instance", "y-file");
        Part(b, "z-part");
        File(b, "y-file", "True");
    });
    ASSERT_EQ(m_context->Collector()->Size(), 5u);
    EXPECT_EQ(InstanceOf("b-instance")->InstanceChild().Id(), UTF8String("z-part"));
    EXPECT_EQ(InstanceOf("b-instance")->InstanceChild().Kind(), ObjectKindEnum::kPart);
    EXPECT_EQ(InstanceOf("c-instance")->InstanceChild().Id(), UTF8String("y-file"));
    EXPECT_EQ(InstanceOf("c-instance")->InstanceChild().Kind(), ObjectKindEnum::kFile);
}

TEST_F(InstanceTest, NoInstanceWithoutAPlaceableObject) {
    Load(R"(<IPart ID="p"/><IInstance ID="a-valid"><Child ID="p"/></IInstance>
        <IInstance ID="unknown"><Child ID="nowhere"/></IInstance>
        <IInstance ID="of-an-instance"><Child ID="a-valid"/></IInstance>
        <IInstance ID="no-child"/><IInstance ID="child-without-id"><Child/></IInstance>
        <IInstance><Child ID="p"/></IInstance>
        <IAssembly ID="asm"><ChildSet><IInstance ID="inner"><Child ID="nowhere"/></IInstance>
        </ChildSet></IAssembly>)");
    EXPECT_EQ(InstanceCount(), 1u);
    EXPECT_NE(InstanceOf("a-valid"), nullptr);
    auto* assembly = dynamic_cast<IAssembly*>(m_context->Context().Find(UTF8String("asm")));
    ASSERT_NE(assembly, nullptr);
    EXPECT_EQ(assembly->ChildCount(), 0u);
}

TEST_F(InstanceTest, IdPrefixRenamesTheInstanceAndThePlacedId) {
    Load(
        [](Builder& b) {
            Instance(b, "a-instance", "z-part");
            Part(b, "z-part");
        },
        "N");
    UTF8String instanceId;
    UTF8String partId;
    ASSERT_TRUE(m_context->Context().ResolveHeld(UTF8String("a-instance"), instanceId));
    ASSERT_TRUE(m_context->Context().ResolveHeld(UTF8String("z-part"), partId));
    EXPECT_EQ(instanceId.Value().rfind("N", 0), 0u);
    IInstance* instance = InstanceOf(instanceId.Value());
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->Id(), instanceId);
    EXPECT_EQ(instance->InstanceChild().Id(), partId);
    EXPECT_EQ(m_context->Collector()->Size(), 2u);
}

TEST_F(InstanceTest, PlacementCyclesMakeNoInstanceAndEnd) {
    Load([](Builder& b) {
        Instance(b, "self", "self");
        // The file lists the instance; the instance places the file while it is being read.
        File(b, "f", "True", {"f-inst"});
        Instance(b, "f-inst", "f");
        Assembly(b, "own", "own");
        Assembly(b, "x", "y");
        Assembly(b, "y", "x");
    });
    EXPECT_EQ(InstanceOf("self"), nullptr);
    EXPECT_EQ(InstanceOf("f-inst"), nullptr);
    EXPECT_EQ(InstanceOf("own-inst"), nullptr);
    // "x" is read first and reaches "y", which cannot place "x" while "x" is being read.
    EXPECT_EQ(InstanceOf("y-inst"), nullptr);
    ASSERT_NE(InstanceOf("x-inst"), nullptr);
    EXPECT_EQ(InstanceOf("x-inst")->InstanceChild().Id(), UTF8String("y"));
    EXPECT_EQ(InstanceCount(), 1u);
    EXPECT_TRUE(m_context->Collector()->HasObject(UTF8String("own")));
}

TEST_F(InstanceTest, InstanceWhoseIdIsHeldAlreadyIsRefused) {
    Load([](Builder& b) {
        Part(b, "p");
        Instance(b, "i", "p");
    });
    const xercesc::DOMElement* element = WrittenDocumentElement()->getLastElementChild();
    EXPECT_EQ(XMLInstance::ReadInstance(*element, m_context->Context()), nullptr);
    EXPECT_EQ(InstanceCount(), 1u);
}

TEST_F(InstanceTest, OnePartPlacedByAHundredThousandTopLevelInstancesLoads) {
    constexpr int kInstances = 100000;
    Load([](Builder& b) {
        File(b, "file", "True");
        for (int i = 0; i < kInstances; ++i)
            Instance(b, "i" + std::to_string(i), "part", {{"Visibility", "1"}});
        Part(b, "part");
    });
    EXPECT_EQ(InstanceCount(), static_cast<std::size_t>(kInstances));
    EXPECT_EQ(m_context->Collector()->Size(), static_cast<std::size_t>(kInstances) + 2);
    ASSERT_NE(InstanceOf("i99999"), nullptr);
    EXPECT_EQ(InstanceOf("i99999")->InstanceChild().Id(), UTF8String("part"));
}

// A document can nest placements as deep as it likes: the reading nests only so deep and reads
// the placed assembly at the bound on its own, later, saying so; the instance that placed it
// names it all the same, so every assembly and every instance is made.
TEST_F(InstanceTest, ChainOfAHundredThousandPlacementsIsCutAtTheNestingBoundAndLosesNothing) {
    constexpr std::size_t kChain = 100000;
    Load([](Builder& b) {
        for (std::size_t i = 0; i < kChain; ++i)
            Assembly(b, "a" + std::to_string(i), "a" + std::to_string((i + 1) % kChain));
    });
    std::size_t assemblies = 0;
    std::size_t placing = 0;
    m_context->Collector()->ForEach([&](IObject& object) {
        assemblies += KindOf(&object) == ObjectKindEnum::kAssembly ? 1 : 0;
        if (const auto* instance = dynamic_cast<const IInstance*>(&object)) {
            const InstanceChildId child = instance->InstanceChild();
            IObject* placed = m_context->Context().Find(child.Id());
            placing += placed != nullptr && KindOf(placed) == child.Kind() &&
                       child.Kind() == ObjectKindEnum::kAssembly;
        }
    });
    EXPECT_EQ(assemblies, kChain);
    EXPECT_EQ(InstanceCount(), kChain);
    EXPECT_EQ(placing, kChain);
    // The placement the first cut deferred.
    const std::string deferred = "a" + std::to_string(Dispatcher::kMaxNestingDepth / 2);
    EXPECT_EQ(InstanceOf("a" + std::to_string(Dispatcher::kMaxNestingDepth / 2 - 1) + "-inst")
                  ->InstanceChild(),
              InstanceChildId::Create(UTF8String(deferred), ObjectKindEnum::kAssembly));
    bool said = false;
    for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
        said = said || (entry.code == DiagnosticCode::kLimitReached &&
                        entry.message.Value().find("nest more than 256") != std::string::npos);
    EXPECT_TRUE(said);
    EXPECT_EQ(m_context->Context().Registry().NestingDepth(), 0u);
}

} // namespace
} // namespace Orvik::Test
