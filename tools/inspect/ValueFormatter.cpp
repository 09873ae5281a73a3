#include "ValueFormatter.h"

#include "xml_util/XMLStrUtil.h"

namespace Orvik::Inspect {

JsonValue ValueFormatter::Ids(const IdSet& ids) {
    JsonValue array = JsonValue::Array();
    for (const UTF8String& id : ids)
        array.Append(Text(id));
    return array;
}

JsonValue ValueFormatter::Matrix(const Matrix3d& matrix) {
    JsonValue array = JsonValue::Array();
    for (const double value : matrix.Values())
        array.Append(value);
    return array;
}

JsonValue ValueFormatter::Rgba(const Color& color) {
    JsonValue object = JsonValue::Object();
    object.Set("r", color.Red());
    object.Set("g", color.Green());
    object.Set("b", color.Blue());
    object.Set("a", color.Alpha());
    return object;
}

JsonValue ValueFormatter::Xyz(const Vector& vector) {
    JsonValue object = JsonValue::Object();
    object.Set("x", vector.X());
    object.Set("y", vector.Y());
    object.Set("z", vector.Z());
    return object;
}

JsonValue ValueFormatter::Xyz(const Position& position) {
    return Xyz(Vector(position.X(), position.Y(), position.Z()));
}

JsonValue ValueFormatter::Unit(UnitTypeEnum unit) {
    return Text(XMLStrUtil::UnitTypeName(unit));
}

JsonValue ValueFormatter::Value(const Variant& value) {
    switch (value.GetKind()) {
    case Variant::Kind::kEmpty:
        return nullptr;
    case Variant::Kind::kInt:
        return value.AsInt();
    case Variant::Kind::kLong:
        return value.AsLong();
    case Variant::Kind::kBool:
        return value.AsBool();
    case Variant::Kind::kDouble:
        return value.AsDouble();
    case Variant::Kind::kString:
        return Text(value.AsString());
    case Variant::Kind::kWString:
        return Text(value.AsWString());
    case Variant::Kind::kTime:
        return TimeText(value.AsTime());
    case Variant::Kind::kBlob: {
        JsonValue blob = JsonValue::Object();
        blob.Set("size", static_cast<std::uint64_t>(value.AsBlob().Size()));
        return blob;
    }
    case Variant::Kind::kIdSet:
        return Ids(value.AsIdSet());
    }
    return nullptr;
}

JsonValue ValueFormatter::Properties(const std::vector<Property>& properties) {
    JsonValue array = JsonValue::Array();
    for (const Property& property : properties) {
        JsonValue entry = JsonValue::Object();
        entry.Set("name", Text(property.Name()));
        entry.Set("value", Value(property.Value()));
        array.Append(std::move(entry));
    }
    return array;
}

} // namespace Orvik::Inspect
