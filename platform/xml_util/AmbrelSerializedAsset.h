#pragma once

#include "orvik/api/UTF8String.h"

#include <map>
#include <memory>
#include <string>

namespace Orvik {

// A serialized render asset of a style, kept as read until its style takes it.
class AmbrelSerializedAsset {
public:
    explicit AmbrelSerializedAsset(std::string bytes)
        : m_bytes(std::move(bytes)) {}
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// The assets of the render-asset side file by style id, until each style takes its own.
using AmbrelSerializedAssetMap = std::map<UTF8String, std::unique_ptr<AmbrelSerializedAsset>>;

} // namespace Orvik
