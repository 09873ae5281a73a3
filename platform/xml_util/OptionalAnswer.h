#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"

#include <optional>

namespace Orvik {

// The answer of a getter whose value the document may leave out: the value is copied out only
// when it was set.
template <typename T>
IsValueSpecifiedEnum AnswerOptional(const std::optional<T>& value, T& out) {
    if (!value)
        return IsValueSpecifiedEnum::kUnspecified;
    out = *value;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
