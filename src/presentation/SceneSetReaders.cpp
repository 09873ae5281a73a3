#include "loader/SceneSetReaders.h"

#include "loader/ReadContext.h"
#include "presentation/CameraReader.h"
#include "presentation/ViewReader.h"
#include "presentation/XMLKeyframeAnimation.h"
#include "presentation/XMLLight.h"

namespace Orvik {

using xercesc::DOMElement;

void SceneSetReaders::ReadCamera(ReadContext& context, const DOMElement& element,
                                 const UTF8String& id) {
    context.Adopt(CameraReader::Read(context, element, id));
}

void SceneSetReaders::ReadView(ReadContext& context, const DOMElement& element,
                               const UTF8String& id) {
    context.Adopt(ViewReader::Read(context, element, id));
}

void SceneSetReaders::ReadLight(ReadContext& context, const DOMElement& element,
                                const UTF8String& id) {
    auto light = std::make_unique<XMLLight>(id, UTF16String(element.getAttribute(u"Label")));
    light->Read(&element, context);
    context.Adopt(std::move(light));
}

void SceneSetReaders::ReadAnimation(ReadContext& context, const DOMElement& element,
                                    const UTF8String& id) {
    auto animation =
        std::make_unique<XMLKeyframeAnimation>(UTF16String(element.getAttribute(u"Label")), id);
    animation->Read(&element, context);
    context.Adopt(std::move(animation));
}

} // namespace Orvik
