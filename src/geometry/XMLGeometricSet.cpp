#include "geometry/XMLGeometricSet.h"

#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "orvik/api/GeneralException.h"
#include "xml_util/XMLNames.h"

namespace Orvik {

using xercesc::DOMElement;

XMLGeometricSet::XMLGeometricSet(ReadContext* context)
    : XMLGeometryGroup<IGeometricSet>(context) {}

XMLGeometricSet::~XMLGeometricSet() = default;

bool XMLGeometricSet::Read(const DOMElement* element) {
    constexpr unsigned kAnyCase =
        EntityReader::kStyles | EntityReader::kNetStyles | EntityReader::kMaterials;
    return ReadGroupElement(element,
                            {EntityReader::kChangeKey | EntityReader::kExtensionData |
                                 EntityReader::kAnimations | kAnyCase,
                             kAnyCase},
                            [&](const DOMElement& child) { ReadChild(child); });
}

void XMLGeometricSet::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChildSet"))
        ReadChildSet(child, Place::kGeometricSet, m_children);
    else if (!m_fields.ReadTransform(child))
        m_fields.ReadTolerance(child);
}

IsValueSpecifiedEnum XMLGeometricSet::KeyframeAnimationChannels(IdSet& animations) const {
    if (m_animations.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    animations = m_animations;
    return IsValueSpecifiedEnum::kSpecified;
}

GeometricSetChildId XMLGeometricSet::ChildAt(std::uint64_t index) const {
    const std::size_t at = CheckedIndex::OfChild(index, m_children.Size(), "XMLGeometricSet");
    return GeometricSetChildId::Create(m_context->Find(m_children.At(at)));
}

} // namespace Orvik
