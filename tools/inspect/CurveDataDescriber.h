#pragma once

#include "JsonValue.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// One curve-data record as the inspector shows it: its interface and every value it answers.
class CurveDataDescriber {
public:
    // Null for a missing record.
    static JsonValue Describe(const ICurveData* data);

private:
    static void DescribeCommon(const ICurveData& data, JsonValue& fields);
    static bool DescribeStraight(const ICurveData& data, JsonValue& fields);
    static bool DescribeRay(const ICurveData& data, JsonValue& fields);
    static bool DescribeEllipse(const ICurveData& data, JsonValue& fields);
    static bool DescribePolyline(const ICurveData& data, JsonValue& fields);
    static bool DescribeNurbs(const ICurveData& data, JsonValue& fields);
    static bool DescribeComposite(const ICurveData& data, JsonValue& fields);
};

} // namespace Orvik::Inspect
