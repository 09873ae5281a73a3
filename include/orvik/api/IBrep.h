#pragma once

#include "orvik/api/IGeometry.h"
#include "orvik/api/ISubEntityStyles.h"
#include "orvik/api/ISubObjectPersistentIds.h"

namespace Orvik {

namespace Veld {
class BODY;
} // namespace Veld

// A boundary representation: a kernel body with the presentation of its faces and edges.
class IBrep : public IGeometry, public ISubEntityStyles, public ISubObjectPersistentIds {
public:
    // How the producing application made the geometry.
    enum ProducerGeometryTypeEnum {
        kProducerGeometryType_Unknown = 0,
        kProducerGeometryType_Solid = 1,
        kProducerGeometryType_Brep = 2,
        kProducerGeometryType_Surface = 3,
        kProducerGeometryType_Wire = 4,
    };
    enum BrepTypeEnum {
        kBrepType_Veld = 0,
    };

    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }
    // A stable text naming the body; empty without one.
    virtual UTF8String BodyDI() const = 0;
    virtual ProducerGeometryTypeEnum SrcGeomType() const = 0;
    virtual BrepTypeEnum BrepType_ex() const = 0;
    // Null when no body was restored for the brep.
    virtual const Veld::BODY* Body() const = 0;
};

} // namespace Orvik
