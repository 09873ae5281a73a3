#pragma once

namespace Orvik {

// Result of the query operations of data records.
enum class DataReturnCodeEnum {
    kSuccess = 0,
    kNotImplemented = 1,
    kInvalidIndex = 2,
};

} // namespace Orvik
