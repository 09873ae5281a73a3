#include "orvik/api/ObjectCollector.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace Orvik {
namespace {

// Records its destruction so tests can see who destroyed what, and when.
class FakeObject : public IObject {
public:
    FakeObject(std::string id, std::vector<std::string>& destroyed)
        : m_id(std::move(id))
        , m_destroyed(destroyed) {}
    ~FakeObject() override { m_destroyed.push_back(m_id); }

    UTF8String Id() const override { return UTF8String(m_id); }
    UTF16String Label() const override { return UTF16String(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String&,
                                               ExtensionDataContent&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum Properties(std::vector<Property>&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    const IDomainData* DomainData() const override { return nullptr; }

private:
    std::string m_id;
    std::vector<std::string>& m_destroyed;
};

class ObjectCollectorTest : public ::testing::Test {
protected:
    std::unique_ptr<IObject> Make(const std::string& id) {
        return std::make_unique<FakeObject>(id, destroyed);
    }

    std::vector<std::string> destroyed;
};

TEST_F(ObjectCollectorTest, DuplicateIdDestroysTheNewcomerAndKeepsTheFirst) {
    ObjectCollector collector;
    ASSERT_TRUE(collector.AddObject(Make("a")));
    IObject* first = collector.QueryObject("a");

    EXPECT_FALSE(collector.AddObject(Make("a")));

    EXPECT_EQ(destroyed, std::vector<std::string>{"a"});
    EXPECT_EQ(collector.QueryObject("a"), first);
    EXPECT_EQ(collector.Size(), 1u);
}

TEST_F(ObjectCollectorTest, RefusesNullAndAnswersNullForUnknownIds) {
    ObjectCollector collector;
    EXPECT_FALSE(collector.AddObject(nullptr));
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
