#pragma once

namespace Orvik {

class IObject;

// Double dispatch on an object's interface. Each interface adds its Visit overload;
// the defaults do nothing, so a visitor overrides only what it cares about.
class IObjectVisitor {
public:
    virtual ~IObjectVisitor() = default;
    virtual void VisitUnknown(IObject&) {}
};

} // namespace Orvik
