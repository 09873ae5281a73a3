#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// One curve-data record as the inspector shows it: its interface and every value it answers.
class CurveDataDescriber {
public:
    // Null for a missing record.
    static Json Describe(const ICurveData* data);

private:
    static void DescribeCommon(const ICurveData& data, Json& fields);
    static bool DescribeStraight(const ICurveData& data, Json& fields);
    static bool DescribeRay(const ICurveData& data, Json& fields);
    static bool DescribeEllipse(const ICurveData& data, Json& fields);
    static bool DescribePolyline(const ICurveData& data, Json& fields);
    static bool DescribeNurbs(const ICurveData& data, Json& fields);
    static bool DescribeComposite(const ICurveData& data, Json& fields);
    static Json Segment(const ICompositeCurveData& composite, int index);
};

} // namespace Orvik::Inspect
