#pragma once

namespace Orvik {

// Domain (building-industry) data attached to an object.
class IDomainData {
public:
    virtual ~IDomainData() = default;
};

} // namespace Orvik
