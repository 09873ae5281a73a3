#pragma once

#include "orvik/api/IdSet.h"

namespace Orvik {

// The ten attribute id sets of a file, assembly or part, each answered as a copy.
class IAttributeSets {
public:
    virtual IdSet StyleSet() const = 0;
    virtual IdSet TextureSet() const = 0;
    virtual IdSet LayerSet() const = 0;
    virtual IdSet GroupSet() const = 0;
    virtual IdSet LodSet() const = 0;
    virtual IdSet AnimationSet() const = 0;
    virtual IdSet CameraSet() const = 0;
    virtual IdSet ViewSet() const = 0;
    virtual IdSet MaterialSet() const = 0;
    virtual IdSet LightSet() const = 0;
    virtual ~IAttributeSets() = default;
};

} // namespace Orvik
