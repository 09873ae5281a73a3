#include "geometry/XMLExtensionGeometry.h"

#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "orvik/api/GeneralException.h"

namespace Orvik {

using xercesc::DOMElement;

XMLExtensionGeometry::XMLExtensionGeometry(ReadContext* context)
    : XMLGeometryGroup<IExtensionGeometry>(context) {}

XMLExtensionGeometry::~XMLExtensionGeometry() = default;

bool XMLExtensionGeometry::Read(const DOMElement* element) {
    constexpr unsigned kAnyCase = EntityReader::kStyles | EntityReader::kNetStyles;
    return ReadGroupElement(element, {EntityReader::kExtensionData | kAnyCase, kAnyCase},
                            [&](const DOMElement& child) { ReadChild(child); });
}

void XMLExtensionGeometry::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChildSet"))
        ReadChildSet(child, Place::kExtensionGeometry, m_children);
    else if (!m_fields.ReadTransform(child))
        m_fields.ReadTolerance(child);
}

ExtensionGeometryChildId XMLExtensionGeometry::ChildAt(std::uint64_t index) const {
    const std::size_t at = CheckedIndex::OfChild(index, m_children.Size(), "XMLExtensionGeometry");
    return ExtensionGeometryChildId::Create(m_context->Find(m_children.At(at)));
}

} // namespace Orvik
