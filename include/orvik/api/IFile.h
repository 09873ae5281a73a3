#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IAttributeSets.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IUnit.h"
#include "orvik/api/Time.h"

#include <cstdint>

namespace Orvik {

class FileProperties;

// A document file: the top of the model hierarchy.
class IFile : public IAttributeSets, public IObject, public IUnit {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual const Orvik::FileProperties* FileProperties() const = 0;
    virtual std::uint64_t ChildCount() const = 0;
    virtual FileChildId ChildAt(std::uint64_t index) const = 0;
    virtual bool IsRoot() const = 0;
    virtual void SetDisplayLengthUnit(UnitTypeEnum unit) { m_displayLengthUnit = unit; }
    virtual IsValueSpecifiedEnum FullPath(UTF16String& path) const = 0;
    virtual IsValueSpecifiedEnum LastModificationTime(Time& time) const = 0;
    virtual std::uint64_t RefFileCount() const = 0;
    virtual bool RefFileAt(std::uint64_t index, UTF8String& id, UTF16String& path) const = 0;

    // A file keeps only a display length unit of its own; the others are the defaults.
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override {
        unit = UnitTypeEnum::kUnitType_Unknown;
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override {
        unit = UnitTypeEnum::kUnitType_Unknown;
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override {
        unit = m_displayLengthUnit;
        return SpecifiedIf(m_displayLengthUnit != UnitTypeEnum::kUnitType_Unknown);
    }

private:
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
};

} // namespace Orvik
