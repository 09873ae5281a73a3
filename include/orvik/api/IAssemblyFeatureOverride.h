#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IVisible.h"
#include "orvik/api/OccurrencePathCollection.h"

#include <cstdint>

namespace Orvik {

// Bodies and meshes of an assembly that stand in for the occurrences at its base paths.
class IAssemblyFeatureOverride : public IObject, public IVisible {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t ChildCount() const = 0;
    // A bad index throws std::out_of_range.
    virtual AssemblyFeatureOverrideChildId ChildAt(std::uint64_t index) const = 0;
    virtual void BaseOccPaths(OccurrencePathCollection& paths) const = 0;
};

} // namespace Orvik
