#pragma once

namespace Orvik {

// Units of length, angle, mass and time as the document names them (docs/formats.md).
enum class UnitTypeEnum {
    kUnitType_Unknown = 0,
    kUnitType_Millimeter,
    kUnitType_Centimeter,
    kUnitType_Decimeter,
    kUnitType_Meter,
    kUnitType_Kilometer,
    kUnitType_Micrometer,
    kUnitType_Nanometer,
    kUnitType_Inch,
    kUnitType_Foot,
    kUnitType_Yard,
    kUnitType_Mile,
    kUnitType_Mil,
    kUnitType_Microinch,
    kUnitType_Radian,
    kUnitType_Degree,
    kUnitType_Gram,
    kUnitType_Kilogram,
    kUnitType_Pound,
    kUnitType_Ounce,
    kUnitType_Ton,
    kUnitType_Second,
    kUnitType_Minute,
    kUnitType_Hour,
    kUnitType_Millisecond,
};

} // namespace Orvik
