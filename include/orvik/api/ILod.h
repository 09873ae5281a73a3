#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

// A level of detail; meshes name the one they belong to by its id.
class ILod : public IObject {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual UTF16String Description() const = 0;
};

} // namespace Orvik
