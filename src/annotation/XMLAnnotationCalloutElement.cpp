#include "annotation/XMLAnnotationCalloutElement.h"

#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"

namespace Orvik {

using xercesc::DOMElement;

XMLAnnotationCalloutElement::XMLAnnotationCalloutElement(ReadContext* context)
    : m_context(context) {}

XMLAnnotationCalloutElement::~XMLAnnotationCalloutElement() = default;

bool XMLAnnotationCalloutElement::Read(const DOMElement* element) {
    if (element == nullptr || m_context == nullptr)
        return false;
    EntityReader::Targets targets;
    targets.styles = &m_styles;
    // "Styles" is matched whatever its letter case.
    EntityReader shared(
        *m_context, *this,
        {EntityReader::kExtensionData | EntityReader::kStyles | EntityReader::kVersionPersistentId,
         EntityReader::kStyles},
        targets);
    shared.ReadIdentity(*element);
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (shared.ReadChild(child) || !ElementWalk::IsNamed(child, u"ChildSet"))
            return;
        ChildSetReader::Read(
            child, Place::kCalloutElement, *m_context,
            [this](const UTF8String& id) { m_children.AddWithUniquenessCheck(id); });
    });
    return true;
}

AnnotationCalloutElementChildId XMLAnnotationCalloutElement::ChildAt(std::uint64_t index) const {
    const std::size_t at =
        CheckedIndex::OfChild(index, m_children.Size(), "XMLAnnotationCalloutElement");
    return AnnotationCalloutElementChildId::Create(m_context->Find(m_children.At(at)));
}

} // namespace Orvik
