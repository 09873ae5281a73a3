#include "PlainObject.h"
#include "orvik/api/AssertOption.h"
#include "orvik/api/ExceptionEvent.h"
#include "orvik/api/FileException.h"
#include "orvik/api/GeneralException.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/MeshPolygon.h"
#include "orvik/api/NumericConverter.h"
#include "orvik/api/ObjectCollector.h"
#include "orvik/api/PropertyDatabase.h"
#include "orvik/api/StoredTransform.h"
#include "orvik/api/Time.h"
#include "orvik/api/UnitVector.h"
#include "orvik/api/Variant.h"

#include <cmath>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace Orvik {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

TEST(Variant, WrongKindThrowsNamingBothKinds) {
    EXPECT_TRUE(Variant().IsEmpty());
    try {
        Variant(std::int64_t{5}).AsInt();
        FAIL() << "expected GeneralException";
    } catch (const GeneralException& error) {
        EXPECT_THAT(error.what(), AllOf(HasSubstr("long"), HasSubstr("int")));
    }
    EXPECT_THROW(Variant().AsBool(), GeneralException);
    EXPECT_THROW(Variant(1.0).AsBlob(), GeneralException);
    EXPECT_THROW(Variant(UTF8String("x")).AsWString(), GeneralException);
}

TEST(Blob, CopiesTheBufferAndRefusesNullWithASize) {
    std::uint8_t bytes[] = {1, 2, 3};
    const Blob blob(sizeof bytes, bytes);
    bytes[0] = 9;
    ASSERT_EQ(blob.Size(), 3u);
    EXPECT_EQ(blob.Data()[0], 1);
    EXPECT_EQ(Blob(0, nullptr).Size(), 0u);
    EXPECT_THROW(Blob(4, nullptr), std::invalid_argument);
    EXPECT_TRUE(Variant(blob) == Variant(Blob(3, "\x01\x02\x03")));
}

TEST(Geometry, UnitVectorNormalisesAndMatrixStartsAsIdentity) {
    const UnitVector v(3.0, 0.0, 4.0);
    EXPECT_DOUBLE_EQ(v.X(), 0.6);
    EXPECT_DOUBLE_EQ(v.Z(), 0.8);
    const UnitVector huge(1e300, 1e300, 0.0);
    EXPECT_DOUBLE_EQ(huge.X(), std::sqrt(0.5));

    EXPECT_THROW(UnitVector(0.0, 0.0, 0.0), GeneralException);
    EXPECT_THROW(UnitVector(1e-13, 0.0, 0.0), GeneralException);
    EXPECT_THROW(UnitVector(std::nan(""), 1.0, 0.0), GeneralException);
    EXPECT_THROW(UnitVector(std::numeric_limits<double>::infinity(), 0.0, 0.0), GeneralException);

    Matrix3d m;
    EXPECT_TRUE(m.IsIdentity());
    EXPECT_EQ(m.At(3, 3), 1.0);
    m.Set(0, 3, 5.0);
    EXPECT_FALSE(m.IsIdentity());
}

TEST(PropertyDatabase, KeepsOrderOverallAndPerObject) {
    PropertyDatabase db;
    db.AddProperty(Property("a", u"p1", Variant(1)));
    db.AddProperty(Property("b", u"p2", Variant(2)));
    db.AddProperty(Property("a", u"p3", Variant(3)));

    ASSERT_EQ(db.PropertyCount(), 3u);
    EXPECT_EQ(db.PropertyAt(1).Name(), UTF16String(u"p2"));
    const std::vector<const Property*> ofA = db.PropertiesOf("a");
    ASSERT_EQ(ofA.size(), 2u);
    EXPECT_EQ(ofA[0]->Name(), UTF16String(u"p1"));
    EXPECT_EQ(ofA[1]->Value().AsInt(), 3);
    EXPECT_TRUE(db.PropertiesOf("missing").empty());
    EXPECT_THROW(db.PropertyAt(3), std::out_of_range);
}

TEST(Exceptions, EventKeepsItsOwnTypedCopy) {
    auto original = std::make_unique<FileException>("Could not open.");
    original->SetErrorCode(3);
    original->SetFileName(UTF16String(u"/x/doc.xml"));
    original->SetReporter(2);
    const ExceptionEvent event(*original, 1);
    original.reset();

    const auto* copy = dynamic_cast<const FileException*>(&event.GetException());
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->what(), "Could not open.");
    EXPECT_EQ(copy->ErrorCode(), 3);
    EXPECT_EQ(copy->FileName(), UTF16String(u"/x/doc.xml"));
    EXPECT_EQ(copy->Reporter(), 2);
    EXPECT_EQ(event.EventType(), 1);
}

TEST(Numeric, SizeToULongClamps) {
    EXPECT_EQ(NumericConverter::SizeToULong(12), 12u);
    if constexpr (sizeof(std::size_t) > 4) {
        EXPECT_EQ(NumericConverter::SizeToULong(std::size_t{1} << 40),
                  std::numeric_limits<std::uint32_t>::max());
    }
}

TEST(AssertOption, HookLeavesTheMutexFreeAndSkipsItWhenDisabled) {
    AssertOption::SetAssertEnabled(true);
    RunAssertionHook();
    ASSERT_TRUE(AssertOption::Mutex().try_lock()) << "the hook must release the mutex";
    AssertOption::Mutex().unlock();

    AssertOption::SetAssertEnabled(false);
    const std::lock_guard<std::mutex> held(AssertOption::Mutex());
    RunAssertionHook(); // would deadlock if the disabled hook still locked
    EXPECT_FALSE(AssertOption::IsAssertEnabled());
}

// Small sets search their ids, large ones an index: both sides of the switch, and copies and
// moves of an indexed set, must answer alike.
TEST(IdSet, LargeSetsAndTheirCopiesKeepUniquenessAndMembership) {
    IdSet ids;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(ids.AddWithUniquenessCheck(UTF8String("id" + std::to_string(i))), round == 0);
    ASSERT_EQ(ids.Size(), 40u);

    IdSet copy(ids);
    IdSet assigned;
    assigned = copy;
    const IdSet moved(std::move(copy));
    for (const IdSet* set : std::initializer_list<const IdSet*>{&ids, &assigned, &moved}) {
        EXPECT_EQ(*set, ids);
        EXPECT_TRUE(set->Contains("id0"));
        EXPECT_TRUE(set->Contains("id39"));
        EXPECT_FALSE(set->Contains("id40"));
    }
    EXPECT_FALSE(assigned.AddWithUniquenessCheck("id7"));
    assigned.AddWithoutUniquenessCheck("id7");
    EXPECT_EQ(assigned.Size(), 41u);
    EXPECT_TRUE(assigned.AddWithUniquenessCheck("new"));
}

// Index lists up to four long are held in place, longer ones spill to the heap: on both sides
// of the switch, and through copies and moves, the indices are the ones appended, in order.
TEST(VertexIndexSet, HoldsTheIndicesAppendedInPlaceOrSpilled) {
    for (const std::uint32_t count : {0u, 1u, 4u, 5u, 9u, 100u}) {
        SCOPED_TRACE(count);
        for (const bool reserved : {false, true}) {
            VertexIndexSet loop;
            if (reserved)
                loop.Reserve(count);
            std::vector<std::uint32_t> expected;
            for (std::uint32_t i = 0; i < count; ++i) {
                loop.Append(i * 3 + 1);
                expected.push_back(i * 3 + 1);
            }
            VertexIndexSet copy(loop);
            VertexIndexSet assigned;
            assigned.Append(99);
            assigned = copy;
            const VertexIndexSet moved(std::move(copy));
            for (const VertexIndexSet* set :
                 std::initializer_list<const VertexIndexSet*>{&loop, &assigned, &moved}) {
                EXPECT_EQ(set->Indices(), expected);
                EXPECT_EQ(set->Size(), count);
                EXPECT_EQ(set->IsEmpty(), count == 0);
                EXPECT_EQ(*set, loop);
                EXPECT_THROW(set->At(count), std::out_of_range);
            }
            if (count > 0) {
                EXPECT_EQ(loop.At(count - 1), expected.back());
            }
            assigned.Append(7);
            EXPECT_FALSE(assigned == loop);
        }
    }
}

TEST(MeshPolygon, CopiesKeepInnerLoopsAndPolygonsWithoutHolesHaveNone) {
    VertexIndexSet outer;
    for (std::uint32_t i = 0; i < 6; ++i)
        outer.Append(i);
    MeshPolygon polygon(outer);
    EXPECT_TRUE(polygon.InnerLoops().empty());
    VertexIndexSet hole;
    hole.Append(9);
    polygon.AddInnerLoop(hole);
    MeshPolygon copy(polygon);
    MeshPolygon assigned;
    assigned = polygon;
    for (const MeshPolygon* each :
         std::initializer_list<const MeshPolygon*>{&polygon, &copy, &assigned}) {
        EXPECT_EQ(each->OuterLoop(), outer);
        ASSERT_EQ(each->InnerLoops().size(), 1u);
        EXPECT_EQ(each->InnerLoops()[0], hole);
    }
}

// Only a transform other than the identity is held; setting the identity forgets one.
TEST(StoredTransform, HoldsOnlyWhatIsNotTheIdentity) {
    StoredTransform transform;
    EXPECT_FALSE(transform.IsSet());
    EXPECT_TRUE(transform.Get().IsIdentity());
    Matrix3d moved;
    moved.Set(0, 3, 5.0);
    transform.Set(moved);
    EXPECT_TRUE(transform.IsSet());
    EXPECT_EQ(transform.Get(), moved);
    transform.Set(Matrix3d());
    EXPECT_FALSE(transform.IsSet());
    EXPECT_TRUE(StoredTransform(moved).IsSet());
    EXPECT_FALSE(StoredTransform(Matrix3d()).IsSet());
}

TEST(IdSet, KeepsOrderRefusesRepeatsWhenCheckedAndBoundsAt) {
    IdSet ids;
    EXPECT_TRUE(ids.AddWithUniquenessCheck("b"));
    EXPECT_TRUE(ids.AddWithUniquenessCheck("a"));
    EXPECT_FALSE(ids.AddWithUniquenessCheck("b"));
    ids.AddWithoutUniquenessCheck("a");

    EXPECT_EQ(ids, (IdSet{"b", "a", "a"}));
    EXPECT_TRUE(ids.Contains("a"));
    EXPECT_FALSE(ids.Contains("c"));

    ids.Clear();
    EXPECT_TRUE(ids.IsEmpty());
    EXPECT_EQ(ids.begin(), ids.end());
    EXPECT_EQ(IdSet(ids), IdSet());
    EXPECT_TRUE(ids.AddWithUniquenessCheck("a")) << "Clear must forget the index too";
    EXPECT_EQ(ids.At(0), UTF8String("a"));
    try {
        ids.At(1);
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid vector subscript");
    }
}

TEST(Time, ParsesDateTimeAndZoneFormsToUtc) {
    const std::pair<const char*, const char*> cases[] = {
        {"2021-06-15", "2021-06-15T00:00:00Z"},
        {"2021-06-15T08:30", "2021-06-15T08:30:00Z"},
        {"2021-06-15T08:30:45Z", "2021-06-15T08:30:45Z"},
        {"2021-06-15 08:30:45.123456", "2021-06-15T08:30:45Z"},
        {"2021-06-15T08:30:45+02:00", "2021-06-15T06:30:45Z"},
        {"2021-06-15T08:30:45-0130", "2021-06-15T10:00:45Z"},
        {"2016-12-31T23:59:60Z", "2016-12-31T23:59:60Z"},
        // offsets carry across day, month and year, and leap days
        {"2023-12-31T23:30:00-01:00", "2024-01-01T00:30:00Z"},
        {"2024-01-01T00:15:00+00:30", "2023-12-31T23:45:00Z"},
        {"2024-02-28T22:00:00-03:00", "2024-02-29T01:00:00Z"},
        {"2023-02-28T22:00:00-03:00", "2023-03-01T01:00:00Z"},
        {"2024-03-01T01:00:00+05:00", "2024-02-29T20:00:00Z"},
        {"2024-02-29", "2024-02-29T00:00:00Z"},
        {"2000-02-29", "2000-02-29T00:00:00Z"},
    };
    for (const auto& [text, utc] : cases) {
        Time time;
        ASSERT_TRUE(time.FromString(text)) << text;
        EXPECT_EQ(time.ToString(), UTF8String(utc)) << text;
    }
}

TEST(Time, RejectsMalformedTextAndKeepsTheOldValue) {
    const char* const bad[] = {// dates, leap days by the Gregorian rules
                               "", "2021", "21-06-15", "2021-13-01", "2021-00-10", "2021-04-31",
                               "2023-02-29", "1900-02-29",
                               // times
                               "2021-06-15T24:00:00Z", "2021-06-15T10:60", "2021-06-15T10:00:61",
                               "2021-06-15T10", "2021-06-15T10:00:00.",
                               // zones, stray text, and a year an offset would push below 0000
                               "2021-06-15T10:00:00+2", "2021-06-15T10:00:00+24:00",
                               "2021-06-15T10:00:00Zjunk", "2021-06-15 ", " 2021-06-15",
                               "0000-01-01T00:00:00+01:00"};
    Time time;
    ASSERT_TRUE(time.FromString("2020-05-05T05:05:05Z"));
    for (const char* text : bad) {
        EXPECT_FALSE(time.FromString(text)) << text;
        EXPECT_EQ(time.ToString(), UTF8String("2020-05-05T05:05:05Z")) << text;
    }
}

TEST(Time, DefaultIsTheEpochWeekdayAndDayOfYearAreFilledAndEqualityTakesUtc) {
    Time time;
    EXPECT_EQ(time.ToString(), UTF8String("1970-01-01T00:00:00Z"));
    EXPECT_EQ(time.Value().tm_wday, 4);
    EXPECT_EQ(time.Value().tm_yday, 0);
    ASSERT_TRUE(time.FromString("2024-12-31T12:00:00Z"));
    EXPECT_EQ(time.Value().tm_wday, 2); // a Tuesday
    EXPECT_EQ(time.Value().tm_yday, 365);
    ASSERT_TRUE(time.FromString("1900-03-01"));
    EXPECT_EQ(time.Value().tm_wday, 4);
    EXPECT_EQ(time.Value().tm_yday, 59) << "1900 is no leap year";

    // Equal when the calendar fields are, whatever zone the text was in.
    Time a;
    Time b;
    ASSERT_TRUE(a.FromString("2021-06-15T08:30:00+02:00"));
    ASSERT_TRUE(b.FromString("2021-06-15T06:30:00Z"));
    EXPECT_TRUE(a == b);
    ASSERT_TRUE(b.FromString("2021-06-15T06:30:01Z"));
    EXPECT_FALSE(a == b);
}

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

TEST_F(ObjectCollectorTest, DuplicateIdDestroysTheNewcomerAndDisposeOnlyItsObject) {
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

    collector.AddObject(Make("b"));
    collector.AddObject(Make("c"));
    EXPECT_TRUE(collector.Dispose("b"));
    EXPECT_EQ(destroyed, (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(collector.HasObject("b"));
    std::vector<std::string> visited;
    collector.ForEach([&](IObject& object) { visited.push_back(object.Id().Value()); });
    EXPECT_EQ(visited, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(collector.AddObject(Make("b"))) << "the id is free again";
}

TEST_F(ObjectCollectorTest, DestroyGoesNewestFirstAndTheDestructorCleansUp) {
    {
        ObjectCollector collector;
        for (const char* id : {"1", "2", "3"})
            collector.AddObject(Make(id));
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
