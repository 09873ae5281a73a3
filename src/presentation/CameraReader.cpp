#include "presentation/CameraReader.h"

#include "geometry/PlaneElementReader.h"
#include "loader/ElementWalk.h"
#include "presentation/XMLSectionCamera.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

void ReadSectionContent(const DOMElement& section, XMLSectionCamera& camera, ReadContext& context) {
    ElementWalk::ForEachChildElement(section, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"PlaneData")) {
            Plane plane;
            PlaneElementReader::ReadPlaneElement(&child, plane, &context);
            camera.AddPlane(plane);
        } else if (ElementWalk::IsNamed(child, u"SectioningOperations")) {
            const UTF8String operations = XMLStrUtil::XMLStrToAStr(child.getTextContent());
            if (!operations.IsEmpty())
                camera.SetSectioningOperations(operations);
        }
    });
}

} // namespace

std::unique_ptr<IObject> CameraReader::Read(ReadContext& context, const DOMElement& element,
                                            const UTF8String& id) {
    auto camera = std::make_unique<XMLCamera>(id, UTF16String(element.getAttribute(u"Label")));
    camera->Read(element, context);
    std::unique_ptr<XMLSectionCamera> section;
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        // Only a section element with content of any kind makes the camera a section camera.
        if (!ElementWalk::IsNamed(child, u"ISectionCamera") || child.getFirstChild() == nullptr)
            return;
        if (!section)
            section = std::make_unique<XMLSectionCamera>(std::move(camera));
        ReadSectionContent(child, *section, context);
    });
    if (section)
        return section;
    return camera;
}

} // namespace Orvik
