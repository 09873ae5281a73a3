#pragma once

#include "orvik/writer/LittleEndianBytes.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace Orvik::Writer {

// Builds a sub-object persistent id file ("SubObjectPersistentIdInfo"; docs/formats.md).
class SubObjectPersistentIdFileWriter {
public:
    // Pairs of data id and persistent id of one object's sub-objects.
    void AddObject(const std::string& objectId,
                   const std::vector<std::pair<std::string, std::string>>& ids);

    std::string Bytes() const;
    void WriteTo(const std::string& path) const;

private:
    std::uint64_t count_ = 0;
    LittleEndianBytes records_;
};

} // namespace Orvik::Writer
