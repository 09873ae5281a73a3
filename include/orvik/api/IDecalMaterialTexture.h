#pragma once

#include "orvik/api/IMaterialTexture.h"

namespace Orvik {

// A texture applied as a decal, with a transparency of its own.
class IDecalMaterialTexture : public IMaterialTexture {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum Transparency(double& out) const = 0;
};

} // namespace Orvik
