#pragma once

#include "orvik/api/UTF8String.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The objects of the "CameraSet", "ViewSet", "LightSet" and "AnimationSet" members. Defined
// beside their classes in presentation/, which the loader does not include. Each makes the
// object of one member element whose id is not held yet and hands it to the collector.
class SceneSetReaders {
public:
    static void ReadCamera(ReadContext& context, const xercesc::DOMElement& element,
                           const UTF8String& id);
    static void ReadView(ReadContext& context, const xercesc::DOMElement& element,
                         const UTF8String& id);
    static void ReadLight(ReadContext& context, const xercesc::DOMElement& element,
                          const UTF8String& id);
    static void ReadAnimation(ReadContext& context, const xercesc::DOMElement& element,
                              const UTF8String& id);
};

} // namespace Orvik
