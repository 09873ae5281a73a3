#include "orvik/api/AssertOption.h"
#include "orvik/api/ExceptionEvent.h"
#include "orvik/api/FileException.h"
#include "orvik/api/GeneralException.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/NumericConverter.h"
#include "orvik/api/PropertyDatabase.h"
#include "orvik/api/UnitVector.h"
#include "orvik/api/Variant.h"

#include <cmath>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

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

} // namespace
} // namespace Orvik
