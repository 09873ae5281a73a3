#include "ValueFormatter.h"

#include "xml_util/XMLStrUtil.h"

#include <cmath>

namespace Orvik::Inspect {

Json ValueFormatter::Number(double value) {
    // Beyond 1e15 a double may not hold every integer near it, so it stays a double.
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return static_cast<std::int64_t>(value);
    return value;
}

Json ValueFormatter::Ids(const IdSet& ids) {
    Json array = Json::array();
    for (const UTF8String& id : ids)
        array.push_back(Text(id));
    return array;
}

Json ValueFormatter::Matrix(const Matrix3d& matrix) {
    Json array = Json::array();
    for (const double value : matrix.Values())
        array.push_back(Number(value));
    return array;
}

Json ValueFormatter::Rgba(const Color& color) {
    return {{"r", Number(color.Red())},
            {"g", Number(color.Green())},
            {"b", Number(color.Blue())},
            {"a", Number(color.Alpha())}};
}

Json ValueFormatter::Xyz(const Vector& vector) {
    return {{"x", Number(vector.X())}, {"y", Number(vector.Y())}, {"z", Number(vector.Z())}};
}

Json ValueFormatter::Xyz(const Position& position) {
    return Xyz(Vector(position.X(), position.Y(), position.Z()));
}

Json ValueFormatter::Unit(UnitTypeEnum unit) {
    return Text(XMLStrUtil::UnitTypeName(unit));
}

Json ValueFormatter::Value(const Variant& value) {
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
        return Number(value.AsDouble());
    case Variant::Kind::kString:
        return Text(value.AsString());
    case Variant::Kind::kWString:
        return Text(value.AsWString());
    case Variant::Kind::kTime:
        return TimeText(value.AsTime());
    case Variant::Kind::kBlob:
        return {{"size", static_cast<std::uint64_t>(value.AsBlob().Size())}};
    case Variant::Kind::kIdSet:
        return Ids(value.AsIdSet());
    }
    return nullptr;
}

Json ValueFormatter::Properties(const std::vector<Property>& properties) {
    Json array = Json::array();
    for (const Property& property : properties)
        array.push_back(Json{{"name", Text(property.Name())}, {"value", Value(property.Value())}});
    return array;
}

} // namespace Orvik::Inspect
