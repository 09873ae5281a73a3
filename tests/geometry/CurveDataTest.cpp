#include "GeometryFixture.h"
#include "geometry/CurveDataReader.h"
#include "geometry/CurveRecordReader.h"
#include "geometry/XMLCompositeCrvData.h"
#include "orvik/api/ICompositeCurveData.h"
#include "orvik/api/IEllipseData.h"
#include "orvik/api/INurbsCurveData.h"
#include "orvik/api/IPolyLineData.h"
#include "orvik/api/IRayData.h"
#include "orvik/api/IStraightData.h"
#include "orvik/writer/CurveRecordWriter.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace Orvik::Test {
namespace {

using W = Writer::CurveRecordWriter;
using Xyz = W::Xyz;

const std::string kLine = W::Line({0, 0, 0}, {1, 0, 0}, 0, 1);

CurveDataReader::Result ReadRecord(const std::string& bytes, std::uint64_t typeCode) {
    std::istringstream in(bytes);
    return CurveDataReader::Read(&in, static_cast<std::uint32_t>(typeCode), false);
}

template <typename Interface>
std::unique_ptr<Interface> ReadAs(const std::string& bytes, std::uint64_t typeCode) {
    CurveDataReader::Result result = ReadRecord(bytes, typeCode);
    EXPECT_FALSE(result.failed);
    auto* typed = dynamic_cast<Interface*>(result.data.get());
    if (typed == nullptr)
        return nullptr;
    result.data.release();
    return std::unique_ptr<Interface>(typed);
}

// Little-endian bytes of the given 64-bit words, written by hand so that the layout is checked
// independently of both the writer and the reader.
std::string Words(std::initializer_list<std::uint64_t> words) {
    std::string bytes;
    for (std::uint64_t word : words)
        for (int shift = 0; shift < 64; shift += 8)
            bytes.push_back(static_cast<char>((word >> shift) & 0xFF));
    return bytes;
}

constexpr std::uint64_t kOne = 0x3FF0000000000000ULL;   // 1.0
constexpr std::uint64_t kTwo = 0x4000000000000000ULL;   // 2.0
constexpr std::uint64_t kThree = 0x4008000000000000ULL; // 3.0
constexpr std::uint64_t kHalf = 0x3FE0000000000000ULL;  // 0.5
const std::string kNoFlags("\x00\x00", 2);
const std::string kClosed("\x01\x00", 2);

template <typename Value, typename Data, typename Query>
Value One(const Data& data, Query query) {
    Value value{};
    (data.*query)(value);
    return value;
}

// Control point and weight.
std::array<double, 4> ControlPoint(const INurbsCurveData& data, std::uint32_t index) {
    std::array<double, 4> point{-7, -7, -7, -7};
    data.ControlPointAt(index, point[0], point[1], point[2], point[3]);
    return point;
}

W::NurbsValues SampleNurbs() {
    // Periodic, degree 2, three control points, no weights.
    return {false, true, {0, 0, 0, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {2, 0, 0}}, {}, 2, 0.0, 1.0};
}

TEST(CurveDataRoundTripTest, LineRayAndEllipseKeepTheirValues) {
    auto line = ReadAs<IStraightData>(W::Line({1, 2, 3}, {0, 0, 1}, -1.5, 4.0), 1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(Answer(*line, &IStraightData::Root), (Xyz{1, 2, 3}));
    EXPECT_EQ(Answer(*line, &IStraightData::Direction), (Xyz{0, 0, 1}));
    EXPECT_EQ(One<Interval>(*line, &ICurveData::ParameterRange), Interval(-1.5, 4.0));
    bool closed = false;
    EXPECT_EQ(line->IsClosed(closed), DataReturnCodeEnum::kNotImplemented);

    auto ray = ReadAs<IRayData>(W::Ray({5, 6, 7}, {0, 1, 0}), 2);
    ASSERT_NE(ray, nullptr);
    EXPECT_EQ(Answer(*ray, &IRayData::Origin), (Xyz{5, 6, 7}));
    EXPECT_EQ(Answer(*ray, &IRayData::Direction), (Xyz{0, 1, 0}));
    Interval range;
    EXPECT_EQ(ray->ParameterRange(range), DataReturnCodeEnum::kNotImplemented);

    // Closed, not periodic; centre, major axis, normal, ratio and range.
    auto ellipse = ReadAs<IEllipseData>(
        W::Ellipse({true, false, {1, 1, 1}, {2, 0, 0}, {0, 1, 0}, 0.25, 0.5, 3.0}), 3);
    ASSERT_NE(ellipse, nullptr);
    EXPECT_EQ(Answer(*ellipse, &IEllipseData::Center), (Xyz{1, 1, 1}));
    EXPECT_EQ(Answer(*ellipse, &IEllipseData::MajorAxis), (Xyz{2, 0, 0}));
    EXPECT_EQ(Answer(*ellipse, &IEllipseData::Normal), (Xyz{0, 1, 0}));
    EXPECT_EQ(One<double>(*ellipse, &IEllipseData::Ratio), 0.25);
    EXPECT_EQ(One<Interval>(*ellipse, &ICurveData::ParameterRange), Interval(0.5, 3.0));
    EXPECT_TRUE(One<bool>(*ellipse, &ICurveData::IsClosed));
    EXPECT_FALSE(One<bool>(*ellipse, &ICurveData::IsPeriodic));
}

TEST(CurveDataRoundTripTest, PolylinesOpenClosedAndWithSecondPointList) {
    W::PolylineValues values;
    values.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    auto open = ReadAs<IPolyLineData>(W::Polyline(values), 4);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(One<std::uint32_t>(*open, &IPolyLineData::PointCount), 3u);

    values.closed = true;
    values.extraPoints = {{7, 7, 7}, {8, 8, 8}, {9, 9, 9}};
    const std::string bytes = W::Polyline(values);
    auto closed = ReadAs<IPolyLineData>(bytes, 4);
    ASSERT_NE(closed, nullptr);
    EXPECT_EQ(One<std::uint32_t>(*closed, &IPolyLineData::PointCount), 4u);
    const auto point = [&](std::uint32_t index) {
        Xyz xyz{-1, -1, -1};
        closed->PointAt(index, xyz[0], xyz[1], xyz[2]);
        return xyz;
    };
    EXPECT_EQ(point(3), (Xyz{0, 0, 0})) << "the first point again";
    EXPECT_EQ(point(2), (Xyz{1, 1, 0}));
    EXPECT_TRUE(One<bool>(*closed, &ICurveData::IsClosed));
    double x = -1, y = -1, z = -1;
    EXPECT_EQ(closed->PointAt(4, x, y, z), DataReturnCodeEnum::kInvalidIndex);
    EXPECT_EQ(x, -1);
    // The second list is read past, so the record ends where the writer ended it.
    std::istringstream in(bytes + "tail");
    ASSERT_NE(CurveDataReader::ReadCurveData(&in, 4, false), nullptr);
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "tail");
}

TEST(CurveDataRoundTripTest, NurbsWeightsAreOneUnlessRational) {
    W::NurbsValues values = SampleNurbs();
    auto plain = ReadAs<INurbsCurveData>(W::Nurbs(values), 6);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(One<std::uint32_t>(*plain, &INurbsCurveData::Degree), 2u);
    EXPECT_EQ(One<std::uint32_t>(*plain, &INurbsCurveData::KnotCount), 6u);
    EXPECT_EQ(One<std::uint32_t>(*plain, &INurbsCurveData::ControlPointCount), 3u);
    EXPECT_FALSE(One<bool>(*plain, &INurbsCurveData::IsRational));
    EXPECT_TRUE(One<bool>(*plain, &ICurveData::IsPeriodic));
    for (std::uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(ControlPoint(*plain, i)[3], 1.0) << i;
    double knot = 0;
    plain->KnotAt(3, knot);
    EXPECT_EQ(knot, 1.0);
    EXPECT_EQ(plain->KnotAt(6, knot), DataReturnCodeEnum::kInvalidIndex);

    values.weights = {1.0, 0.5, 2.0};
    auto weighted = ReadAs<INurbsCurveData>(W::Nurbs(values), 6);
    ASSERT_NE(weighted, nullptr);
    EXPECT_EQ(ControlPoint(*weighted, 1), (std::array<double, 4>{1, 2, 0, 0.5}));
    EXPECT_TRUE(One<bool>(*weighted, &INurbsCurveData::IsRational));
}

TEST(CurveDataRoundTripTest, CompositeEntryWithoutIdHoldsNoSegment) {
    const W::CompositeEntry first{W::kLine, "seg1", kLine, true, 0.0, 1.0, 7};
    const W::CompositeEntry second{W::kRay, "", "", false, 0, 0, 9};
    auto composite = ReadAs<ICompositeCurveData>(W::Composite({true, false, {first, second}}), 5);
    ASSERT_NE(composite, nullptr);
    EXPECT_EQ(One<std::uint32_t>(*composite, &ICompositeCurveData::SegmentCount), 2u);
    EXPECT_EQ(dynamic_cast<XMLCompositeCrvData&>(*composite).HeldSegmentCount(), 1u);
    const ICurveData* segment = nullptr;
    ASSERT_EQ(composite->SegmentAt(0, segment), DataReturnCodeEnum::kSuccess);
    EXPECT_NE(dynamic_cast<const IStraightData*>(segment), nullptr);
    EXPECT_EQ(composite->SegmentAt(1, segment), DataReturnCodeEnum::kInvalidIndex);

    bool flag = false;
    double a = -1, b = -1;
    std::uint32_t value = 0;
    composite->SegmentFlagAt(0, flag);
    composite->SegmentPairAt(0, a, b);
    composite->SegmentValueAt(1, value);
    EXPECT_TRUE(flag);
    EXPECT_EQ(b, 1.0);
    EXPECT_EQ(value, 9u);
    a = -1;
    EXPECT_EQ(composite->SegmentPairAt(-1, a, b), DataReturnCodeEnum::kInvalidIndex);
    EXPECT_EQ(composite->SegmentFlagAt(2, flag), DataReturnCodeEnum::kInvalidIndex);
    EXPECT_EQ(a, -1);
}

TEST(CurveDataBytesTest, WriterAndReaderAgreeWithHandWrittenWords) {
    EXPECT_EQ(W::Line({1, 0, 0}, {0, 2, 0}, 0.5, 3.0),
              Words({kOne, 0, 0, 0, kTwo, 0, kHalf, kThree}));
    W::PolylineValues polyline;
    polyline.closed = true;
    polyline.points = {{1, 1, 1}};
    EXPECT_EQ(W::Polyline(polyline), kClosed + Words({1, kOne, kOne, kOne, 0}));

    auto ray = ReadAs<IRayData>(Words({kOne, kTwo, kThree, 0, 0, kOne}), 2);
    ASSERT_NE(ray, nullptr);
    EXPECT_EQ(Answer(*ray, &IRayData::Origin), (Xyz{1, 2, 3}));
    // Closed, not periodic; two knots; one control point; rational with weight 2; degree 3.
    auto curve = ReadAs<INurbsCurveData>(
        kClosed + Words({2, 0, kOne, 1, kOne, kTwo, kThree, 1, kTwo, 3, 0, kOne}), 6);
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(ControlPoint(*curve, 0), (std::array<double, 4>{1, 2, 3, 2}));
    EXPECT_EQ(One<std::uint32_t>(*curve, &INurbsCurveData::Degree), 3u);
}

TEST(CurveDataFailureTest, EveryTruncationOfEveryKindFails) {
    const W::CompositeEntry entry{W::kLine, "s", kLine, false, 0, 0, 0};
    W::PolylineValues polyline;
    polyline.points = {{0, 0, 0}, {1, 1, 1}};
    polyline.extraPoints = polyline.points;
    W::NurbsValues nurbs = SampleNurbs();
    nurbs.weights = {1, 1, 1};
    const std::pair<std::uint64_t, std::string> records[] = {
        {1, kLine},
        {2, W::Ray({0, 0, 0}, {1, 0, 0})},
        {3, W::Ellipse({})},
        {4, W::Polyline(polyline)},
        {5, W::Composite({false, false, {entry, entry}})},
        {6, W::Nurbs(nurbs)},
    };
    for (const auto& [type, bytes] : records) {
        ASSERT_FALSE(ReadRecord(bytes, type).failed) << type;
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            std::istringstream in(bytes.substr(0, size));
            const CurveDataReader::Result result =
                CurveDataReader::Read(&in, static_cast<std::uint32_t>(type), false);
            EXPECT_TRUE(result.failed) << "type " << type << " cut at " << size;
            EXPECT_EQ(result.data, nullptr);
            EXPECT_TRUE(in.fail());
        }
    }
}

TEST(CurveDataFailureTest, CountsBeyondTheBytesLeftFailBeforeAllocating) {
    // Points, knots and composite entries announced in the billions, with nothing behind them;
    // then one point whose announced second list is missing.
    const std::pair<std::uint64_t, std::string> records[] = {
        {4, Words({~0ULL})},      {6, Words({1ULL << 40})},    {6, Words({0, 1ULL << 40})},
        {5, Words({1ULL << 33})}, {4, Words({1, 0, 0, 0, 1})},
    };
    for (const auto& [type, words] : records)
        EXPECT_TRUE(ReadRecord(kNoFlags + words, type).failed) << type;
}

TEST(CurveDataFailureTest, UnknownTypesReadNothingButFailWithinACompositeAsDoesDeepNesting) {
    std::istringstream in(Words({1, 2, 3}));
    const CurveDataReader::Result result = CurveDataReader::Read(&in, 7, false);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.data, nullptr);
    EXPECT_EQ(in.tellg(), std::streampos(0));
    EXPECT_EQ(CurveDataReader::ReadCurveData(nullptr, 1, false), nullptr);

    // Within a composite an unknown segment type fails the record, as does nesting too deep.
    EXPECT_TRUE(
        ReadRecord(W::Composite({false, false, {{42, "x", "", false, 0, 0, 0}}}), 5).failed);

    // A line wrapped in composites one level deeper than the reader allows.
    std::string payload = kLine;
    std::uint64_t type = W::kLine;
    for (unsigned depth = 0; depth <= CurveRecordReader::kMaxNesting; ++depth) {
        const W::CompositeValues wrapper{false, false, {{type, "s", payload, false, 0, 0, 0}}};
        if (depth + 1 == CurveRecordReader::kMaxNesting) {
            EXPECT_FALSE(ReadRecord(W::Composite(wrapper), 5).failed);
        }
        payload = W::Composite(wrapper);
        type = W::kComposite;
    }
    EXPECT_TRUE(ReadRecord(payload, 5).failed);
}

} // namespace
} // namespace Orvik::Test
