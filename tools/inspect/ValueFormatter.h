#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

#include <cstdint>

namespace Orvik::Inspect {

// How framework values appear in the inspector's model.
class ValueFormatter {
public:
    // Whole numbers print as integers ("3", not "3.0"), so every double goes through here.
    static Json Number(double value);
    static Json Text(const UTF8String& text) { return text.Value(); }
    static Json Text(const UTF16String& text) { return text.ToUTF8(); }
    static Json Ids(const IdSet& ids);
    // Sixteen numbers, row by row.
    static Json Matrix(const Matrix3d& matrix);
    static Json Rgba(const Color& color);
    static Json Xyz(const Vector& vector);
    static Json Xyz(const Position& position);
    static Json TimeText(const Time& time) { return Text(time.ToString()); }
    static Json Unit(UnitTypeEnum unit);
    static Json Value(const Variant& value);
    static Json Properties(const std::vector<Property>& properties);

    // One entry per index of an indexed operation ("ChildAt", "PointAt" ...).
    template <typename DescribeAt>
    static Json Indexed(std::uint64_t count, DescribeAt describeAt) {
        Json list = Json::array();
        for (std::uint64_t i = 0; i < count; ++i)
            list.push_back(describeAt(i));
        return list;
    }
};

} // namespace Orvik::Inspect
