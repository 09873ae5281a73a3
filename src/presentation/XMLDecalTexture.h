#pragma once

#include "orvik/api/IDecalMaterialTexture.h"
#include "presentation/XMLTexture.h"

#include <memory>
#include <optional>

namespace Orvik {

// A texture applied as a decal: answers as the texture it wraps, plus its own transparency.
// Its identity is the texture's id and label only.
class XMLDecalTexture : public XMLEntity<IDecalMaterialTexture> {
public:
    explicit XMLDecalTexture(std::unique_ptr<XMLTexture> texture)
        : XMLEntity(texture->Id(), texture->Label())
        , m_texture(std::move(texture)) {}

    void SetTransparency(double value) { m_transparency = value; }

    IsValueSpecifiedEnum Transparency(double& out) const override {
        return AnswerOptional(m_transparency, out);
    }

    IsValueSpecifiedEnum TextureType(int& out) const override {
        return m_texture->TextureType(out);
    }
    IsValueSpecifiedEnum TextureFileReference(UTF16String& out) const override {
        return m_texture->TextureFileReference(out);
    }
    IsValueSpecifiedEnum EmbeddedTextureImageSize(int& out) const override {
        return m_texture->EmbeddedTextureImageSize(out);
    }
    IsValueSpecifiedEnum EmbeddedTextureImage(int size, void* buffer) const override {
        return m_texture->EmbeddedTextureImage(size, buffer);
    }
    IsValueSpecifiedEnum EmbeddedTextureImageType(int& out) const override {
        return m_texture->EmbeddedTextureImageType(out);
    }
    IsValueSpecifiedEnum TextureDimensions(int& width, int& height) const override {
        return m_texture->TextureDimensions(width, height);
    }
    IsValueSpecifiedEnum TextureCenter(double& x, double& y) const override {
        return m_texture->TextureCenter(x, y);
    }
    IsValueSpecifiedEnum TextureOffset(double& x, double& y) const override {
        return m_texture->TextureOffset(x, y);
    }
    IsValueSpecifiedEnum TextureScale(double& x, double& y) const override {
        return m_texture->TextureScale(x, y);
    }
    IsValueSpecifiedEnum RotateAngle(double& out) const override {
        return m_texture->RotateAngle(out);
    }
    IsValueSpecifiedEnum ProjectType(int& out) const override {
        return m_texture->ProjectType(out);
    }
    IsValueSpecifiedEnum ProcedureU(int& out) const override { return m_texture->ProcedureU(out); }
    IsValueSpecifiedEnum RepeatU(double& out) const override { return m_texture->RepeatU(out); }
    IsValueSpecifiedEnum ProcedureV(int& out) const override { return m_texture->ProcedureV(out); }
    IsValueSpecifiedEnum RepeatV(double& out) const override { return m_texture->RepeatV(out); }
    IsValueSpecifiedEnum ProceduralName(UTF16String& out) const override {
        return m_texture->ProceduralName(out);
    }

private:
    std::unique_ptr<XMLTexture> m_texture;
    std::optional<double> m_transparency;
};

} // namespace Orvik
