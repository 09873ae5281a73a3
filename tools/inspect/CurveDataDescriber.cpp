#include "CurveDataDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {
namespace {

constexpr DataReturnCodeEnum kOk = DataReturnCodeEnum::kSuccess;

template <typename Object, typename Operation>
Json Xyz(const Object& object, Operation operation) {
    double x = 0.0, y = 0.0, z = 0.0;
    if ((object.*operation)(x, y, z) != kOk)
        return nullptr;
    return ValueFormatter::Xyz(Position(x, y, z));
}

Json Pair(double first, double second) {
    return Json{ValueFormatter::Number(first), ValueFormatter::Number(second)};
}

} // namespace

Json CurveDataDescriber::Describe(const ICurveData* data) {
    if (data == nullptr)
        return nullptr;
    Json fields = Json::object();
    const bool known = DescribeStraight(*data, fields) || DescribeRay(*data, fields) ||
                       DescribeEllipse(*data, fields) || DescribePolyline(*data, fields) ||
                       DescribeNurbs(*data, fields) || DescribeComposite(*data, fields);
    if (!known)
        fields["interface"] = "ICurveData";
    DescribeCommon(*data, fields);
    return fields;
}

void CurveDataDescriber::DescribeCommon(const ICurveData& data, Json& fields) {
    Interval range;
    if (data.ParameterRange(range) == kOk)
        fields["ParameterRange"] = Pair(range.Low(), range.High());
    bool flag = false;
    if (data.IsClosed(flag) == kOk)
        fields["IsClosed"] = flag;
    if (data.IsPeriodic(flag) == kOk)
        fields["IsPeriodic"] = flag;
}

bool CurveDataDescriber::DescribeStraight(const ICurveData& data, Json& fields) {
    const auto* line = dynamic_cast<const IStraightData*>(&data);
    if (line == nullptr)
        return false;
    fields["interface"] = "IStraightData";
    fields["Root"] = Xyz(*line, &IStraightData::Root);
    fields["Direction"] = Xyz(*line, &IStraightData::Direction);
    return true;
}

bool CurveDataDescriber::DescribeRay(const ICurveData& data, Json& fields) {
    const auto* ray = dynamic_cast<const IRayData*>(&data);
    if (ray == nullptr)
        return false;
    fields["interface"] = "IRayData";
    fields["Origin"] = Xyz(*ray, &IRayData::Origin);
    fields["Direction"] = Xyz(*ray, &IRayData::Direction);
    return true;
}

bool CurveDataDescriber::DescribeEllipse(const ICurveData& data, Json& fields) {
    const auto* ellipse = dynamic_cast<const IEllipseData*>(&data);
    if (ellipse == nullptr)
        return false;
    fields["interface"] = "IEllipseData";
    fields["Center"] = Xyz(*ellipse, &IEllipseData::Center);
    fields["MajorAxis"] = Xyz(*ellipse, &IEllipseData::MajorAxis);
    fields["Normal"] = Xyz(*ellipse, &IEllipseData::Normal);
    double ratio = 0.0;
    if (ellipse->Ratio(ratio) == kOk)
        fields["Ratio"] = ValueFormatter::Number(ratio);
    return true;
}

bool CurveDataDescriber::DescribePolyline(const ICurveData& data, Json& fields) {
    const auto* polyline = dynamic_cast<const IPolyLineData*>(&data);
    if (polyline == nullptr)
        return false;
    fields["interface"] = "IPolyLineData";
    std::uint32_t count = 0;
    polyline->PointCount(count);
    fields["PointCount"] = count;
    fields["PointAt"] = ValueFormatter::Indexed(count, [&](std::uint64_t i) {
        double x = 0.0, y = 0.0, z = 0.0;
        polyline->PointAt(static_cast<std::uint32_t>(i), x, y, z);
        return ValueFormatter::Xyz(Position(x, y, z));
    });
    return true;
}

bool CurveDataDescriber::DescribeNurbs(const ICurveData& data, Json& fields) {
    const auto* nurbs = dynamic_cast<const INurbsCurveData*>(&data);
    if (nurbs == nullptr)
        return false;
    fields["interface"] = "INurbsCurveData";
    std::uint32_t degree = 0, knotCount = 0, pointCount = 0;
    bool rational = false;
    nurbs->Degree(degree);
    nurbs->KnotCount(knotCount);
    nurbs->ControlPointCount(pointCount);
    nurbs->IsRational(rational);
    fields["Degree"] = degree;
    fields["IsRational"] = rational;
    fields["KnotAt"] = ValueFormatter::Indexed(knotCount, [&](std::uint64_t i) {
        double knot = 0.0;
        nurbs->KnotAt(static_cast<std::uint32_t>(i), knot);
        return ValueFormatter::Number(knot);
    });
    fields["ControlPointAt"] = ValueFormatter::Indexed(pointCount, [&](std::uint64_t i) {
        double x = 0.0, y = 0.0, z = 0.0, weight = 1.0;
        nurbs->ControlPointAt(static_cast<std::uint32_t>(i), x, y, z, weight);
        Json point = ValueFormatter::Xyz(Position(x, y, z));
        point["w"] = ValueFormatter::Number(weight);
        return point;
    });
    return true;
}

bool CurveDataDescriber::DescribeComposite(const ICurveData& data, Json& fields) {
    const auto* composite = dynamic_cast<const ICompositeCurveData*>(&data);
    if (composite == nullptr)
        return false;
    fields["interface"] = "ICompositeCurveData";
    std::uint32_t count = 0;
    composite->SegmentCount(count);
    fields["SegmentCount"] = count;
    fields["SegmentAt"] = ValueFormatter::Indexed(
        count, [&](std::uint64_t i) { return Segment(*composite, static_cast<int>(i)); });
    return true;
}

Json CurveDataDescriber::Segment(const ICompositeCurveData& composite, int index) {
    Json entry = Json::object();
    const ICurveData* segment = nullptr;
    entry["segment"] = composite.SegmentAt(index, segment) == kOk ? Describe(segment) : Json();
    bool flag = false;
    composite.SegmentFlagAt(index, flag);
    entry["flag"] = flag;
    double first = 0.0, second = 0.0;
    composite.SegmentPairAt(index, first, second);
    entry["pair"] = Pair(first, second);
    std::uint32_t value = 0;
    composite.SegmentValueAt(index, value);
    entry["value"] = value;
    return entry;
}

} // namespace Orvik::Inspect
