#pragma once

namespace Orvik {

class IObject;
class IFile;
class IAssembly;
class IPart;
class IInstance;

// Double dispatch on an object's interface. Each interface adds its Visit overload;
// the defaults do nothing, so a visitor overrides only what it cares about.
class IObjectVisitor {
public:
    virtual ~IObjectVisitor() = default;
    virtual void VisitUnknown(IObject&) {}
    virtual void Visit(IFile&) {}
    virtual void Visit(IAssembly&) {}
    virtual void Visit(IPart&) {}
    virtual void Visit(IInstance&) {}
};

} // namespace Orvik
