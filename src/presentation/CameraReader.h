#pragma once

#include "orvik/api/IObject.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One member of a "CameraSet": a camera, or a section camera wrapping it when the element has
// an "ISectionCamera" child with content.
class CameraReader {
public:
    static std::unique_ptr<IObject> Read(ReadContext& context, const xercesc::DOMElement& element,
                                         const UTF8String& id);
};

} // namespace Orvik
