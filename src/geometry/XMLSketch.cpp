#include "geometry/XMLSketch.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {

using xercesc::DOMElement;

XMLSketch::XMLSketch(ReadContext* context)
    : XMLGeometryGroup<ISketch>(context) {}

XMLSketch::~XMLSketch() = default;

bool XMLSketch::Read(const DOMElement* element) {
    const bool read = ReadGroupElement(element,
                                       {EntityReader::kChangeKey | EntityReader::kExtensionData |
                                            EntityReader::kStyles | EntityReader::kNetStyles |
                                            EntityReader::kMaterials,
                                        EntityReader::kMaterials},
                                       [&](const DOMElement& child) { ReadChild(child); });
    if (read)
        ReadSketchType(*element);
    return read;
}

void XMLSketch::ReadVisibility(const DOMElement& element) {
    m_fields.ReadVisibilityStrict(element);
}

void XMLSketch::ReadSketchType(const DOMElement& element) {
    const XMLCh* type = element.getAttribute(u"SketchTypeEnum");
    if (xercesc::XMLString::equals(type, u"kSketchType_2D"))
        m_sketchType = kSketchType_2D;
    else if (xercesc::XMLString::equals(type, u"kSketchType_3D"))
        m_sketchType = kSketchType_3D;
}

void XMLSketch::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChildSet"))
        ReadChildSet(child, Place::kSketchPoints, m_children);
    else if (ElementWalk::IsNamed(child, u"CurveSet"))
        ReadChildSet(child, Place::kSketchCurves, m_curves);
    else
        m_fields.ReadTransform(child);
}

std::uint64_t XMLSketch::TotalCount() const {
    return static_cast<std::uint64_t>(m_curves.Size()) + m_children.Size();
}

UTF8String XMLSketch::IdAt(std::uint64_t index) const {
    if (index < m_curves.Size())
        return m_curves.At(static_cast<std::size_t>(index));
    const std::uint64_t childIndex = index - m_curves.Size();
    if (childIndex < m_children.Size())
        return m_children.At(static_cast<std::size_t>(childIndex));
    return UTF8String();
}

} // namespace Orvik
