#pragma once

namespace Orvik {

// Records own whatever they hold; the framework destroys them through this base.
class IDataResourceManager {
public:
    virtual ~IDataResourceManager() = default;
};

} // namespace Orvik
