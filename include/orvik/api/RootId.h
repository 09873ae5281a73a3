#pragma once

#include "orvik/api/TypedId.h"

namespace Orvik {

// The id of the document's root file.
class RootId : public TypedId {
public:
    RootId() = default;
    explicit RootId(UTF8String fileId)
        : TypedId(std::move(fileId), ObjectKindEnum::kFile) {}
};

} // namespace Orvik
