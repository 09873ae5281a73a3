#pragma once

#include "orvik/api/UTF8String.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;
class XMLTexture;

// Reads the textures and decals of a "TextureSet" and hands them to the collector.
class TextureSetReader {
public:
    // Appends the id of every texture and decal element; false only without an element.
    static bool ReadTextureSet(ReadContext& context, const xercesc::DOMElement* set,
                               std::vector<UTF8String>& ids);

private:
    static void ReadTexture(ReadContext& context, const xercesc::DOMElement& element,
                            std::vector<UTF8String>& ids);
    static void ReadAttributes(ReadContext& context, const xercesc::DOMElement& element,
                               XMLTexture& texture);
    static void ReadChild(ReadContext& context, const xercesc::DOMElement& child,
                          XMLTexture& texture);
};

} // namespace Orvik
