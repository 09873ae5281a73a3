#pragma once

#include "orvik/api/GeneralException.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace Orvik {

// The bound of every "...At" operation. Child lists of the classes whose failure names them
// throw the framework's exception; every other list throws the standard out-of-range error.
class CheckedIndex {
public:
    static std::size_t Of(std::uint64_t index, std::size_t size) {
        if (index >= size)
            throw std::out_of_range("invalid vector subscript");
        return static_cast<std::size_t>(index);
    }

    // "Invalid index to child of <className>."
    static std::size_t OfChild(std::uint64_t index, std::size_t size, const char* className) {
        if (index >= size)
            throw GeneralException(
                UTF8String("Invalid index to child of " + std::string(className) + "."));
        return static_cast<std::size_t>(index);
    }
};

} // namespace Orvik
