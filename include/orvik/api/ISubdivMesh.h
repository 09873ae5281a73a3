#pragma once

#include "orvik/api/IPolygonMesh.h"
#include "orvik/api/SubdivCrease.h"

#include <vector>

namespace Orvik {

// A subdivision surface given by its cage, a polygon mesh, and the creases of the cage.
class ISubdivMesh : public IPolygonMesh {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }
    virtual const std::vector<SubdivCrease>& Creases() const = 0;
};

} // namespace Orvik
