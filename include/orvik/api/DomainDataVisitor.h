#pragma once

namespace Orvik {

class IAECObjectData;
class IAECTypeObjectData;

// Double dispatch on the kind of domain data; the defaults do nothing.
class DomainDataVisitor {
public:
    virtual ~DomainDataVisitor() = default;
    virtual void Visit(const IAECObjectData&) {}
    virtual void Visit(const IAECTypeObjectData&) {}
};

} // namespace Orvik
