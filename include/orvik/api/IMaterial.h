#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

class IMaterialData;

// A named material with its styles and, for building design, how it is built up.
class IMaterial : public IObject {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum Description(UTF16String& out) const = 0;
    virtual IsValueSpecifiedEnum Category(UTF16String& out) const = 0;
    // Owned by the material.
    virtual IsValueSpecifiedEnum MaterialData(const IMaterialData*& out) const = 0;
    virtual IdSet Styles() const { return IdSet(); }
};

} // namespace Orvik
