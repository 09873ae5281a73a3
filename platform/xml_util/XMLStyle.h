#pragma once

#include "xml_util/XMLRenderStyleBase.h"

namespace Orvik {

// A plain render style: colours, textures, shading values and the point and curve display.
class XMLStyle : public XMLRenderStyleBase<IRenderStyle> {
public:
    XMLStyle(UTF8String id, UTF16String label)
        : XMLRenderStyleBase(std::move(id), std::move(label)) {}
};

} // namespace Orvik
