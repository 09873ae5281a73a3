#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

// An image or procedural texture with its mapping.
class IMaterialTexture : public IObject {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum TextureType(int& out) const = 0;
    virtual IsValueSpecifiedEnum TextureFileReference(UTF16String& out) const = 0;
    virtual IsValueSpecifiedEnum EmbeddedTextureImageSize(int& out) const = 0;
    // Fills the first size bytes of the buffer with the image; never touches more.
    virtual IsValueSpecifiedEnum EmbeddedTextureImage(int size, void* buffer) const = 0;
    virtual IsValueSpecifiedEnum EmbeddedTextureImageType(int& out) const = 0;
    virtual IsValueSpecifiedEnum TextureDimensions(int& width, int& height) const = 0;
    virtual IsValueSpecifiedEnum TextureCenter(double& x, double& y) const = 0;
    virtual IsValueSpecifiedEnum TextureOffset(double& x, double& y) const = 0;
    virtual IsValueSpecifiedEnum TextureScale(double& x, double& y) const = 0;
    virtual IsValueSpecifiedEnum TextureSizeForScale(double&, double&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual IsValueSpecifiedEnum RotateAngle(double& out) const = 0;
    virtual IsValueSpecifiedEnum ProjectType(int& out) const = 0;
    virtual IsValueSpecifiedEnum ProcedureU(int& out) const = 0;
    virtual IsValueSpecifiedEnum RepeatU(double& out) const = 0;
    virtual IsValueSpecifiedEnum ProcedureV(int& out) const = 0;
    virtual IsValueSpecifiedEnum RepeatV(double& out) const = 0;
    virtual IsValueSpecifiedEnum ProceduralName(UTF16String& out) const = 0;
};

} // namespace Orvik
