#pragma once

#include "orvik/api/ILightShapeData.h"

#include <optional>

namespace Orvik {

// A rectangular emitter, optionally textured.
class XMLRectLightData : public IRectLightData {
public:
    enum Corner { kTopLeft, kBottomLeft, kTopRight, kBottomRight };

    void SetCorner(Corner corner, const Position& position) { m_corners[corner] = position; }
    void SetTextureFile(const UTF16String& path) { m_textureFile = path; }

    void Corners(Position& topLeft, Position& bottomLeft, Position& topRight,
                 Position& bottomRight) const override {
        topLeft = m_corners[kTopLeft];
        bottomLeft = m_corners[kBottomLeft];
        topRight = m_corners[kTopRight];
        bottomRight = m_corners[kBottomRight];
    }
    IsValueSpecifiedEnum TextureFile(UTF16String& path) const override {
        if (!m_textureFile)
            return IsValueSpecifiedEnum::kUnspecified;
        path = *m_textureFile;
        return IsValueSpecifiedEnum::kSpecified;
    }

private:
    Position m_corners[4];
    std::optional<UTF16String> m_textureFile;
};

} // namespace Orvik
