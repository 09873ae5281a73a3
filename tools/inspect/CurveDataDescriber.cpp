#include "CurveDataDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {
namespace {

constexpr DataReturnCodeEnum kOk = DataReturnCodeEnum::kSuccess;

template <typename Object, typename Operation>
JsonValue Xyz(const Object& object, Operation operation) {
    double x = 0.0, y = 0.0, z = 0.0;
    if ((object.*operation)(x, y, z) != kOk)
        return nullptr;
    return ValueFormatter::Xyz(Position(x, y, z));
}

JsonValue Range(const Interval& range) {
    JsonValue value = JsonValue::Array();
    value.Append(range.Low());
    value.Append(range.High());
    return value;
}

} // namespace

JsonValue CurveDataDescriber::Describe(const ICurveData* data) {
    if (data == nullptr)
        return nullptr;
    JsonValue fields = JsonValue::Object();
    const bool known = DescribeStraight(*data, fields) || DescribeRay(*data, fields) ||
                       DescribeEllipse(*data, fields) || DescribePolyline(*data, fields) ||
                       DescribeNurbs(*data, fields) || DescribeComposite(*data, fields);
    if (!known)
        fields.Set("interface", "ICurveData");
    DescribeCommon(*data, fields);
    return fields;
}

void CurveDataDescriber::DescribeCommon(const ICurveData& data, JsonValue& fields) {
    Interval range;
    if (data.ParameterRange(range) == kOk)
        fields.Set("ParameterRange", Range(range));
    bool flag = false;
    if (data.IsClosed(flag) == kOk)
        fields.Set("IsClosed", flag);
    if (data.IsPeriodic(flag) == kOk)
        fields.Set("IsPeriodic", flag);
}

bool CurveDataDescriber::DescribeStraight(const ICurveData& data, JsonValue& fields) {
    const auto* line = dynamic_cast<const IStraightData*>(&data);
    if (line == nullptr)
        return false;
    fields.Set("interface", "IStraightData");
    fields.Set("Root", Xyz(*line, &IStraightData::Root));
    fields.Set("Direction", Xyz(*line, &IStraightData::Direction));
    return true;
}

bool CurveDataDescriber::DescribeRay(const ICurveData& data, JsonValue& fields) {
    const auto* ray = dynamic_cast<const IRayData*>(&data);
    if (ray == nullptr)
        return false;
    fields.Set("interface", "IRayData");
    fields.Set("Origin", Xyz(*ray, &IRayData::Origin));
    fields.Set("Direction", Xyz(*ray, &IRayData::Direction));
    return true;
}

bool CurveDataDescriber::DescribeEllipse(const ICurveData& data, JsonValue& fields) {
    const auto* ellipse = dynamic_cast<const IEllipseData*>(&data);
    if (ellipse == nullptr)
        return false;
    fields.Set("interface", "IEllipseData");
    fields.Set("Center", Xyz(*ellipse, &IEllipseData::Center));
    fields.Set("MajorAxis", Xyz(*ellipse, &IEllipseData::MajorAxis));
    fields.Set("Normal", Xyz(*ellipse, &IEllipseData::Normal));
    double ratio = 0.0;
    if (ellipse->Ratio(ratio) == kOk)
        fields.Set("Ratio", ratio);
    return true;
}

bool CurveDataDescriber::DescribePolyline(const ICurveData& data, JsonValue& fields) {
    const auto* polyline = dynamic_cast<const IPolyLineData*>(&data);
    if (polyline == nullptr)
        return false;
    fields.Set("interface", "IPolyLineData");
    std::uint32_t count = 0;
    polyline->PointCount(count);
    fields.Set("PointCount", count);
    JsonValue points = JsonValue::Array();
    for (std::uint32_t i = 0; i < count; ++i) {
        double x = 0.0, y = 0.0, z = 0.0;
        polyline->PointAt(i, x, y, z);
        points.Append(ValueFormatter::Xyz(Position(x, y, z)));
    }
    fields.Set("PointAt", std::move(points));
    return true;
}

bool CurveDataDescriber::DescribeNurbs(const ICurveData& data, JsonValue& fields) {
    const auto* nurbs = dynamic_cast<const INurbsCurveData*>(&data);
    if (nurbs == nullptr)
        return false;
    fields.Set("interface", "INurbsCurveData");
    std::uint32_t degree = 0, knotCount = 0, pointCount = 0;
    bool rational = false;
    nurbs->Degree(degree);
    nurbs->KnotCount(knotCount);
    nurbs->ControlPointCount(pointCount);
    nurbs->IsRational(rational);
    fields.Set("Degree", degree);
    fields.Set("IsRational", rational);
    JsonValue knots = JsonValue::Array();
    for (std::uint32_t i = 0; i < knotCount; ++i) {
        double knot = 0.0;
        nurbs->KnotAt(i, knot);
        knots.Append(knot);
    }
    fields.Set("KnotAt", std::move(knots));
    JsonValue points = JsonValue::Array();
    for (std::uint32_t i = 0; i < pointCount; ++i) {
        double x = 0.0, y = 0.0, z = 0.0, weight = 1.0;
        nurbs->ControlPointAt(i, x, y, z, weight);
        JsonValue point = ValueFormatter::Xyz(Position(x, y, z));
        point.Set("w", weight);
        points.Append(std::move(point));
    }
    fields.Set("ControlPointAt", std::move(points));
    return true;
}

bool CurveDataDescriber::DescribeComposite(const ICurveData& data, JsonValue& fields) {
    const auto* composite = dynamic_cast<const ICompositeCurveData*>(&data);
    if (composite == nullptr)
        return false;
    fields.Set("interface", "ICompositeCurveData");
    std::uint32_t count = 0;
    composite->SegmentCount(count);
    fields.Set("SegmentCount", count);
    JsonValue segments = JsonValue::Array();
    for (std::uint32_t i = 0; i < count; ++i) {
        const int index = static_cast<int>(i);
        JsonValue entry = JsonValue::Object();
        const ICurveData* segment = nullptr;
        entry.Set("segment",
                  composite->SegmentAt(index, segment) == kOk ? Describe(segment) : JsonValue());
        bool flag = false;
        composite->SegmentFlagAt(index, flag);
        entry.Set("flag", flag);
        double first = 0.0, second = 0.0;
        composite->SegmentPairAt(index, first, second);
        JsonValue pair = JsonValue::Array();
        pair.Append(first);
        pair.Append(second);
        entry.Set("pair", std::move(pair));
        std::uint32_t value = 0;
        composite->SegmentValueAt(index, value);
        entry.Set("value", value);
        segments.Append(std::move(entry));
    }
    fields.Set("SegmentAt", std::move(segments));
    return true;
}

} // namespace Orvik::Inspect
