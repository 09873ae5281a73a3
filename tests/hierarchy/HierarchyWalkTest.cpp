// A host's view of a three-level assembly: only the public producer and its interfaces.
#include "TempDirectory.h"
#include "orvik/xml_producer.h"

#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

// Elements in an order far from id order: parts first, the root file last, ids that sort
// against the nesting.
constexpr const char* kThreeLevels = R"(<XMLDocument>
  <IPart ID="a-bolt" Label="Bolt"/><IPart ID="b-plate" Label="Plate"/>
  <IAssembly ID="c-sub" Label="Sub"><ChildSet>
    <IInstance ID="z-bolt-1" Visibility="1">
      <Child ID="a-bolt" Transformation="1 0 0 5 0 1 0 0 0 0 1 0"/></IInstance>
    <IInstance ID="y-bolt-2" Visibility="1">
      <Child ID="a-bolt" Transformation="1 0 0 5 0 1 0 0 0 0 1 0"/></IInstance>
  </ChildSet></IAssembly>
  <IAssembly ID="d-top" Label="Top"><ChildSet>
    <IInstance ID="x-sub" Visibility="1"><Child ID="c-sub"/></IInstance>
    <IInstance ID="w-plate"><Child ID="b-plate"/></IInstance>
  </ChildSet></IAssembly>
  <IFile ID="e-file" IsRoot="True"><ChildSet><Child Type="IAssembly" ID="d-top"/></ChildSet></IFile>
</XMLDocument>)";

template <typename Interface>
Interface& As(XMLProducer& producer, const TypedId& id) {
    auto* object = dynamic_cast<Interface*>(producer.Load(id.Id()));
    if (object == nullptr)
        throw std::runtime_error("no object of the expected interface under " + id.Id().Value());
    return *object;
}

TEST(HierarchyWalkTest, ThreeLevelAssemblyMatchesWhatWasWritten) {
    TestSupport::TempDirectory dir;
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(dir.Write("three-levels.xml", kThreeLevels)), &options);
    bool assembly = false;
    producer.QueryFile()->IsAssembly(assembly);
    EXPECT_TRUE(assembly);
    const FilterOptions filter;
    producer.BeginProcess(IdSet(), &filter, nullptr);

    auto& file = As<IFile>(producer, producer.RootObjectId());
    ASSERT_EQ(file.ChildCount(), 1u);
    EXPECT_EQ(file.ChildAt(0).Kind(), ObjectKindEnum::kAssembly);
    auto& top = As<IAssembly>(producer, file.ChildAt(0));
    EXPECT_EQ(top.Label(), UTF16String(u"Top"));

    ASSERT_EQ(top.ChildCount(), 2u);
    auto& subInstance = As<IInstance>(producer, top.ChildAt(0));
    auto& plateInstance = As<IInstance>(producer, top.ChildAt(1));
    EXPECT_EQ(subInstance.Id(), UTF8String("x-sub"));
    EXPECT_TRUE(subInstance.IsVisible());
    EXPECT_FALSE(plateInstance.IsVisible());
    EXPECT_EQ(As<IPart>(producer, plateInstance.InstanceChild()).Label(), UTF16String(u"Plate"));

    auto& sub = As<IAssembly>(producer, subInstance.InstanceChild());
    ASSERT_EQ(sub.ChildCount(), 2u);
    for (std::uint64_t i = 0; i < 2; ++i) {
        auto& bolt = As<IInstance>(producer, sub.ChildAt(i));
        EXPECT_EQ(bolt.InstanceChild().Id(), UTF8String("a-bolt"));
        EXPECT_EQ(bolt.Transform().At(0, 3), 5.0);
    }
    EXPECT_EQ(As<IInstance>(producer, sub.ChildAt(0)).Id(), UTF8String("z-bolt-1"));
    EXPECT_THROW(sub.ChildAt(2), GeneralException);
    producer.EndProcess();
}

} // namespace
} // namespace Orvik::Test
