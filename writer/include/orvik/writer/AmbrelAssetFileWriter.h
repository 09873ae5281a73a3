#pragma once

#include "orvik/writer/LittleEndianBytes.h"

#include <cstdint>
#include <string>

namespace Orvik::Writer {

// Builds a render-asset side file ("AmbrelMaterialInfo"; docs/formats.md).
class AmbrelAssetFileWriter {
public:
    // The serialized asset of the style with the id.
    AmbrelAssetFileWriter& AddAsset(const std::string& styleId, const std::string& bytes);

    std::string Bytes() const;
    void WriteTo(const std::string& path) const;

private:
    std::uint64_t count_ = 0;
    LittleEndianBytes records_;
};

} // namespace Orvik::Writer
