#pragma once

#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

// A quick summary of a document, answered before it is loaded.
class FileQueryResult {
public:
    virtual ~FileQueryResult() = default;
    virtual IsValueSpecifiedEnum IsFileValid(bool&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual IsValueSpecifiedEnum IsAssembly(bool&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual IsValueSpecifiedEnum FileVersion(UTF8String&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual IsValueSpecifiedEnum FutureFileVersion(bool&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
};

} // namespace Orvik
