#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/aec/MaterialDataVisitor.h"

namespace Orvik {

// How a material is built up: one piece, layer or profile, or a set of them.
class IMaterialData {
public:
    virtual ~IMaterialData() = default;
    virtual UTF16String Name() const = 0;
    virtual IsValueSpecifiedEnum Description(UTF16String& out) const = 0;
    virtual void AcceptVisitor(MaterialDataVisitor& visitor) const = 0;
};

} // namespace Orvik
