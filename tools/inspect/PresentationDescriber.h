#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Render styles, materials, textures and decals.
class PresentationDescriber {
public:
    static void Describe(const IRenderStyle& style, ObjectDescription& out);
    static void Describe(const IAmbrelRenderStyle& style, ObjectDescription& out);
    static void Describe(const IMaterialXRenderStyle& style, ObjectDescription& out);
    static void Describe(const IMaterial& material, ObjectDescription& out);
    static void Describe(const IMaterialTexture& texture, ObjectDescription& out);
    static void Describe(const IDecalMaterialTexture& decal, ObjectDescription& out);

private:
    static void DescribeStyleValues(const IRenderStyle& style, ObjectDescription& out);
    static void DescribeTextureValues(const IMaterialTexture& texture, ObjectDescription& out);
};

} // namespace Orvik::Inspect
