#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"

#include <cstdint>

namespace Orvik {

class ITextFragment;

// One line of a text block: runs of characters with an alignment and an indentation.
class ITextLine {
public:
    virtual ~ITextLine() = default;
    virtual std::uint64_t TextFragmentCount() const = 0;
    // Throws std::out_of_range for an index not below the count. Owned by the line.
    virtual const ITextFragment* TextFragmentAt(std::uint64_t index) const = 0;
    virtual IsValueSpecifiedEnum TextAlignment(std::int32_t& alignment) const = 0;
    virtual IsValueSpecifiedEnum Indentation(double& indentation) const = 0;
};

} // namespace Orvik
