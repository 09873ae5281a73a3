#pragma once

namespace Orvik {

class DomainDataVisitor;

// Domain (building-industry) data attached to an object.
class IDomainData {
public:
    virtual ~IDomainData() = default;
    // Each kind of domain data calls the visitor's operation for its interface.
    virtual void AcceptVisitor(DomainDataVisitor&) const {}
};

} // namespace Orvik
