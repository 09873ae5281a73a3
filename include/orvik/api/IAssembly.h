#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IComponent.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"

#include <cstdint>

namespace Orvik {

// A component made of other objects, with overrides for occurrences deeper in the hierarchy.
class IAssembly : public IComponent {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t ChildCount() const = 0;
    virtual AssemblyChildId ChildAt(std::uint64_t index) const = 0;
    // Each entry names an occurrence by its path of ids; a bad index throws std::out_of_range.
    virtual std::uint64_t EntityVisibilityCount() const = 0;
    virtual void EntityVisibilityAt(std::uint64_t index, IdSet& path, bool& visible) const = 0;
    virtual std::uint64_t EntityStylesCount() const = 0;
    virtual void EntityStylesAt(std::uint64_t index, IdSet& path, IdSet& styles) const = 0;
    virtual std::uint64_t EntityTransformationCount() const = 0;
    virtual void EntityTransformationAt(std::uint64_t index, IdSet& path,
                                        Matrix3d& transform) const = 0;
};

} // namespace Orvik
