#pragma once

#include "orvik/api/ILightShapeData.h"

#include <optional>

namespace Orvik {

// A dome around the scene, optionally lit by a texture.
class XMLDomeLightData : public IDomeLightData {
public:
    void SetTextureFile(const UTF16String& path) { m_textureFile = path; }
    void SetTextureFormat(DomeTextureFormatEnum format) { m_textureFormat = format; }
    void SetGuideRadius(double radius) { m_guideRadius = radius; }

    IsValueSpecifiedEnum TextureFile(UTF16String& path) const override {
        if (!m_textureFile)
            return IsValueSpecifiedEnum::kUnspecified;
        path = *m_textureFile;
        return IsValueSpecifiedEnum::kSpecified;
    }
    // A format without a texture file describes nothing.
    DomeTextureFormatEnum TextureFormat() const override {
        return m_textureFile ? m_textureFormat : kDomeTextureFormat_Unknown;
    }
    IsValueSpecifiedEnum GuideRadius(double& radius) const override {
        radius = m_guideRadius;
        return IsValueSpecifiedEnum::kSpecified;
    }

private:
    std::optional<UTF16String> m_textureFile;
    DomeTextureFormatEnum m_textureFormat = kDomeTextureFormat_Unknown;
    double m_guideRadius = 10000.0;
};

} // namespace Orvik
