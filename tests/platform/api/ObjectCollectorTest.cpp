#include "orvik/api/ObjectCollector.h"

#include "PlainObject.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace Orvik {
namespace {

// Records its destruction so tests can see who destroyed what, and when.
class TrackedObject : public TestSupport::PlainObject {
public:
    TrackedObject(const std::string& id, std::vector<std::string>& destroyed)
        : PlainObject(id)
        , m_destroyed(destroyed) {}
    ~TrackedObject() override { m_destroyed.push_back(Id().Value()); }

private:
    std::vector<std::string>& m_destroyed;
};

class ObjectCollectorTest : public ::testing::Test {
protected:
    std::unique_ptr<IObject> Make(const std::string& id) {
        return std::make_unique<TrackedObject>(id, destroyed);
    }

    std::vector<std::string> destroyed;
};

TEST_F(ObjectCollectorTest, DuplicateIdDestroysTheNewcomerAndKeepsTheFirst) {
    ObjectCollector collector;
    ASSERT_TRUE(collector.AddObject(Make("a")));
    IObject* first = collector.QueryObject("a");

    EXPECT_FALSE(collector.AddObject(Make("a")));
    EXPECT_FALSE(collector.AddObject(nullptr));

    EXPECT_EQ(destroyed, std::vector<std::string>{"a"});
    EXPECT_EQ(collector.QueryObject("a"), first);
    EXPECT_EQ(collector.Size(), 1u);
    EXPECT_EQ(collector.QueryObject("missing"), nullptr);
    EXPECT_FALSE(collector.HasObject("missing"));
    EXPECT_FALSE(collector.Dispose("missing"));
}

TEST_F(ObjectCollectorTest, DisposeDestroysOnlyThatObject) {
    ObjectCollector collector;
    collector.AddObject(Make("a"));
    collector.AddObject(Make("b"));
    collector.AddObject(Make("c"));

    EXPECT_TRUE(collector.Dispose("b"));

    EXPECT_EQ(destroyed, std::vector<std::string>{"b"});
    EXPECT_FALSE(collector.HasObject("b"));
    std::vector<std::string> visited;
    collector.ForEach([&](IObject& object) { visited.push_back(object.Id().Value()); });
    EXPECT_EQ(visited, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(collector.AddObject(Make("b"))) << "the id is free again";
}

TEST_F(ObjectCollectorTest, DestroyGoesNewestFirstAndTheDestructorCleansUp) {
    {
        ObjectCollector collector;
        collector.AddObject(Make("1"));
        collector.AddObject(Make("2"));
        collector.AddObject(Make("3"));
        collector.Destroy();
        EXPECT_EQ(destroyed, (std::vector<std::string>{"3", "2", "1"}));
        EXPECT_EQ(collector.Size(), 0u);
        EXPECT_EQ(collector.QueryObject("1"), nullptr);

        collector.AddObject(Make("4"));
    }
    EXPECT_EQ(destroyed.back(), "4");
}

} // namespace
} // namespace Orvik
