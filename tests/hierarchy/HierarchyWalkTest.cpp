// A host's view of a three-level assembly: only the public producer and its interfaces.
#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml_producer.h"

#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

// Elements in an order far from id order: parts first, the root file last, ids that sort
// against the nesting.
std::string WriteThreeLevels(TestSupport::TempDirectory& dir) {
    Writer::XmlDocumentBuilder b;
    b.Open("XMLDocument");
    b.Open("IPart").Attribute("ID", "a-bolt").Attribute("Label", "Bolt").Close();
    b.Open("IPart").Attribute("ID", "b-plate").Attribute("Label", "Plate").Close();
    b.Open("IAssembly").Attribute("ID", "c-sub").Attribute("Label", "Sub");
    b.Open("ChildSet");
    for (const char* id : {"z-bolt-1", "y-bolt-2"}) {
        b.Open("IInstance").Attribute("ID", id).Attribute("Visibility", "1");
        b.Element("Child", {{"ID", "a-bolt"}, {"Transformation", "1 0 0 5 0 1 0 0 0 0 1 0"}});
        b.Close();
    }
    b.Close().Close();
    b.Open("IAssembly").Attribute("ID", "d-top").Attribute("Label", "Top");
    b.Open("ChildSet");
    b.Open("IInstance").Attribute("ID", "x-sub").Attribute("Visibility", "1");
    b.Element("Child", {{"ID", "c-sub"}});
    b.Close();
    b.Open("IInstance").Attribute("ID", "w-plate");
    b.Element("Child", {{"ID", "b-plate"}});
    b.Close();
    b.Close().Close();
    b.Open("IFile").Attribute("ID", "e-file").Attribute("IsRoot", "True");
    b.Open("ChildSet").Element("Child", {{"Type", "IAssembly"}, {"ID", "d-top"}}).Close();
    b.Close();
    b.Close();
    const std::string path = dir.PathOf("three-levels.xml");
    b.WriteTo(path);
    return path;
}

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
    XMLProducer producer(UTF16String(WriteThreeLevels(dir)), &options);
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
