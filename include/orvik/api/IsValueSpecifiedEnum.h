#pragma once

namespace Orvik {

// Answer of an operation whose value may be absent from the document.
enum class IsValueSpecifiedEnum { kUnspecified = 0, kSpecified = 1 };

inline IsValueSpecifiedEnum SpecifiedIf(bool condition) {
    return condition ? IsValueSpecifiedEnum::kSpecified : IsValueSpecifiedEnum::kUnspecified;
}

} // namespace Orvik
