#include "geometry/XMLGeometricSet.h"

#include "geometry/SetChildReaders.h"
#include "geometry/SetNestingGuard.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "orvik/api/GeneralException.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLNames.h"

namespace Orvik {

using xercesc::DOMElement;

XMLGeometricSet::XMLGeometricSet(XMLProducerImpl* context)
    : XMLGeometryGroup<IGeometricSet>(context) {}

XMLGeometricSet::~XMLGeometricSet() = default;

bool XMLGeometricSet::ParseGeometricSetElement(const DOMElement* element, BodyTable& bodiesByDxid,
                                               EdgeCurveTable& edgeCurvesByDxid,
                                               MeshTable& meshesById, CurveTable& curvesById) {
    return Read(element,
                ExternalGeometryTables{bodiesByDxid, edgeCurvesByDxid, meshesById, curvesById});
}

bool XMLGeometricSet::Read(const DOMElement* element, const ExternalGeometryTables& tables) {
    return ReadGroupElement(element, [&](const DOMElement& child) { ReadChild(child, tables); });
}

void XMLGeometricSet::ReadChild(const DOMElement& child, const ExternalGeometryTables& tables) {
    using Case = GeometryGroupFields::Case;
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        SetChildSources sources{*m_context, tables};
        SetChildReaders::ReadChildSet(child, sources, SetChildReaders::GeometricSetRows(),
                                      m_children);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context->SideFileDirectory(), child, *this);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
    } else if (ElementWalk::IsNamed(child, u"Animations")) {
        ElementReaders::ReadIdRefs(m_context, &child, u"Animations", AnimationRefNodeNameXMLCh,
                                   m_animations);
    } else if (!m_fields.ReadUnit(child) && !m_fields.ReadTransform(child) &&
               !m_fields.ReadTolerance(child) &&
               !m_fields.ReadStyles(*m_context, child, Case::kAny)) {
        m_fields.ReadMaterials(*m_context, child, Case::kAny);
    }
}

IsValueSpecifiedEnum XMLGeometricSet::KeyframeAnimationChannels(IdSet& animations) const {
    if (m_animations.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    animations = m_animations;
    return IsValueSpecifiedEnum::kSpecified;
}

GeometricSetChildId XMLGeometricSet::ChildAt(std::uint64_t index) const {
    if (index >= m_children.Size())
        throw GeneralException(UTF8String("Invalid index to child of XMLGeometricSet."));
    return GeometricSetChildId::Create(
        m_context->FindObject(m_children.At(static_cast<std::size_t>(index))));
}

} // namespace Orvik
