#include "geometry/XMLSketch.h"

#include "geometry/SetChildReaders.h"
#include "geometry/SetNestingGuard.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {

using xercesc::DOMElement;

XMLSketch::XMLSketch(XMLProducerImpl* context)
    : XMLGeometryGroup<ISketch>(context) {}

XMLSketch::~XMLSketch() = default;

bool XMLSketch::ParseSketchElement(const DOMElement* element, EdgeCurveTable& edgeCurvesByDxid) {
    if (element == nullptr)
        return false;
    const SetNestingGuard nesting(m_context->Registry());
    if (nesting.TooDeep())
        return false;
    ReadAttributes(*element);
    // A sketch reads kernel curves only; the other tables stay empty.
    BodyTable noBodies;
    MeshTable noMeshes;
    CurveTable noStreamCurves;
    const ExternalGeometryTables tables{noBodies, edgeCurvesByDxid, noMeshes, noStreamCurves};
    ElementWalk::ForEachChildElement(*element,
                                     [&](const DOMElement& child) { ReadChild(child, tables); });
    return true;
}

void XMLSketch::ReadAttributes(const DOMElement& element) {
    SetId(ElementReaders::ReadElementId(*m_context, &element));
    ElementReaders::ReadLabelAndVersion(&element, *this);
    m_fields.ReadVisibilityStrict(element);
    const XMLCh* type = element.getAttribute(u"SketchTypeEnum");
    if (xercesc::XMLString::equals(type, u"kSketchType_2D"))
        m_sketchType = kSketchType_2D;
    else if (xercesc::XMLString::equals(type, u"kSketchType_3D"))
        m_sketchType = kSketchType_3D;
}

void XMLSketch::ReadChild(const DOMElement& child, const ExternalGeometryTables& tables) {
    using Case = GeometryGroupFields::Case;
    SetChildSources sources{*m_context, tables};
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        SetChildReaders::ReadChildSet(child, sources, SetChildReaders::SketchChildRows(),
                                      m_children);
    } else if (ElementWalk::IsNamed(child, u"CurveSet")) {
        SetChildReaders::ReadChildSet(child, sources, SetChildReaders::SketchCurveRows(), m_curves);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context->SideFileDirectory(), child, *this);
    } else if (!m_fields.ReadUnit(child) && !m_fields.ReadTransform(child) &&
               !m_fields.ReadStyles(*m_context, child, Case::kExact)) {
        m_fields.ReadMaterials(*m_context, child, Case::kAny);
    }
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
