#pragma once

#include "geometry/XMLHierachyObject.h"
#include "orvik/api/IObject.h"

#include <vector>

namespace Orvik {

// A coordinate system's or work feature's base: its framework interface answered from what
// XMLHierachyObject keeps, and the framework's defaults where the document gives nothing.
// Properties loaded for the object are answered like any entity's.
template <typename Interface>
class XMLHierarchyEntity : public Interface, public XMLHierachyObject {
public:
    explicit XMLHierarchyEntity(ReadContext* context)
        : XMLHierachyObject(context) {}

    UTF8String Id() const override { return IdImpl(); }
    UTF16String Label() const override { return LabelImpl(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String&,
                                               ExtensionDataContent&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String& out) const override {
        return HierarchyChangeKey(out);
    }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String& out) const override {
        return VersionPersistentIdImpl(out);
    }
    IsValueSpecifiedEnum Properties(std::vector<Property>& out) const override {
        return PropertiesImpl(out);
    }
    const IDomainData* DomainData() const override { return nullptr; }

    double AngularTolerance() const override { return -1.0; }
    double LinearTolerance() const override { return -1.0; }
    double ParamTolerance() const override { return -1.0; }
    bool IsVisible() const override { return HierarchyVisible(); }
    bool IsNetVisible() const override { return HierarchyNetVisible(); }
    IdSet Styles() const override { return HierarchyStyles(); }
    IdSet NetStyles() const override { return IdSet(); }
    IdSet Materials() const override { return IdSet(); }
    const Matrix3d& Transform() const override { return HierarchyTransform(); }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override {
        unit = HierarchyLengthUnit();
        return IsValueSpecifiedEnum::kSpecified;
    }
    // The stored display length unit is not answered: these kinds keep the framework's default.
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
};

} // namespace Orvik
