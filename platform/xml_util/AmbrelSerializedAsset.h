#pragma once

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

} // namespace Orvik
