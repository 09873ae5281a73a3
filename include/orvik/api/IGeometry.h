#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/ITransformable.h"
#include "orvik/api/IUnit.h"
#include "orvik/api/IVisible.h"
#include "orvik/api/IdSet.h"

namespace Orvik {

// What every geometric object answers: placement, units, visibility, tolerances and the
// presentation it refers to by id.
class IGeometry : public IObject, public ITransformable, public IUnit, public IVisible {
public:
    // -1.0 when the document gave no tolerance.
    virtual double AngularTolerance() const = 0;
    virtual double LinearTolerance() const = 0;
    virtual double ParamTolerance() const = 0;
    virtual bool IsNetVisible() const = 0;
    virtual IdSet Styles() const = 0;
    virtual IdSet NetStyles() const = 0;
    virtual IdSet Materials() const = 0;
};

} // namespace Orvik
