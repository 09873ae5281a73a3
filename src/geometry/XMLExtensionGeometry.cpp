#include "geometry/XMLExtensionGeometry.h"

#include "geometry/SetChildReaders.h"
#include "geometry/SetNestingGuard.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "orvik/api/GeneralException.h"
#include "producer/XMLProducerImpl.h"

namespace Orvik {

using xercesc::DOMElement;

XMLExtensionGeometry::XMLExtensionGeometry(XMLProducerImpl* context)
    : XMLGeometryGroup<IExtensionGeometry>(context) {}

XMLExtensionGeometry::~XMLExtensionGeometry() = default;

bool XMLExtensionGeometry::ParseExtensionGeometryElement(const DOMElement* element,
                                                         BodyTable& bodiesByDxid,
                                                         EdgeCurveTable& edgeCurvesByDxid,
                                                         MeshTable& meshesById,
                                                         CurveTable& curvesById) {
    return Read(element,
                ExternalGeometryTables{bodiesByDxid, edgeCurvesByDxid, meshesById, curvesById});
}

bool XMLExtensionGeometry::Read(const DOMElement* element, const ExternalGeometryTables& tables) {
    return ReadGroupElement(element, [&](const DOMElement& child) { ReadChild(child, tables); });
}

void XMLExtensionGeometry::ReadChild(const DOMElement& child,
                                     const ExternalGeometryTables& tables) {
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        SetChildSources sources{*m_context, tables};
        SetChildReaders::ReadChildSet(child, sources, SetChildReaders::ExtensionGeometryRows(),
                                      m_children);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context->SideFileDirectory(), child, *this);
    } else if (!m_fields.ReadUnit(child) && !m_fields.ReadTransform(child) &&
               !m_fields.ReadTolerance(child)) {
        m_fields.ReadStyles(*m_context, child, GeometryGroupFields::Case::kAny);
    }
}

ExtensionGeometryChildId XMLExtensionGeometry::ChildAt(std::uint64_t index) const {
    if (index >= m_children.Size())
        throw GeneralException(UTF8String("Invalid index to child of XMLExtensionGeometry."));
    return ExtensionGeometryChildId::Create(
        m_context->FindObject(m_children.At(static_cast<std::size_t>(index))));
}

} // namespace Orvik
