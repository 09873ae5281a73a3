#pragma once

#include "orvik/api/IAttributeSets.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IUnit.h"

namespace Orvik {

class FileProperties;

// What assemblies and parts share.
class IComponent : public IObject, public IAttributeSets, public IUnit {
public:
    virtual const Orvik::FileProperties* FileProperties() const = 0;
    virtual IdSet Styles() const = 0;
    virtual bool IsSingleUnderRoot() const = 0;
    // Configurations are not part of the interchange format.
    virtual IdSet ConfigSet() const { return IdSet(); }
    virtual IsValueSpecifiedEnum DefaultConfigId(UTF8String&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual IdSet Materials() const = 0;
};

} // namespace Orvik
