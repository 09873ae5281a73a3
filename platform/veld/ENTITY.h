#pragma once

namespace Orvik::Veld {

// Base of every kernel object.
class ENTITY {
public:
    virtual ~ENTITY() = default;
};

} // namespace Orvik::Veld
