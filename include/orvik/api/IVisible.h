#pragma once

namespace Orvik {

// An object that may be hidden.
class IVisible {
public:
    virtual bool IsVisible() const = 0;
    virtual ~IVisible() = default;
};

} // namespace Orvik
