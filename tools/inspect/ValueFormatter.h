#pragma once

#include "JsonValue.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// How framework values appear in the inspector's model.
class ValueFormatter {
public:
    static JsonValue Text(const UTF8String& text) { return JsonValue(text.Value()); }
    static JsonValue Text(const UTF16String& text) { return JsonValue(text.ToUTF8()); }
    static JsonValue Ids(const IdSet& ids);
    // Sixteen numbers, row by row.
    static JsonValue Matrix(const Matrix3d& matrix);
    static JsonValue Rgba(const Color& color);
    static JsonValue Xyz(const Vector& vector);
    static JsonValue Xyz(const Position& position);
    static JsonValue TimeText(const Time& time) { return Text(time.ToString()); }
    static JsonValue Unit(UnitTypeEnum unit);
    static JsonValue Value(const Variant& value);
    static JsonValue Properties(const std::vector<Property>& properties);
};

} // namespace Orvik::Inspect
