#pragma once

#include "orvik/api/SubEntityToStylesMap.h"

namespace Orvik {

// Geometry whose faces or edges may carry styles of their own.
class ISubEntityStyles {
public:
    virtual ~ISubEntityStyles() = default;
    // Null when no sub-entity has a style.
    virtual const SubEntityToStylesMap* StylesMap() const { return nullptr; }
};

} // namespace Orvik
