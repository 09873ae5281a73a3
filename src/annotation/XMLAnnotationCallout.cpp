#include "annotation/XMLAnnotationCallout.h"

#include "loader/CheckedIndex.h"
#include "loader/ChildSetReader.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

XMLAnnotationCallout::XMLAnnotationCallout(ReadContext* context)
    : m_context(context) {}

XMLAnnotationCallout::~XMLAnnotationCallout() = default;

bool XMLAnnotationCallout::Read(const DOMElement* element) {
    if (element == nullptr || m_context == nullptr)
        return false;
    EntityReader shared(*m_context, *this,
                        {EntityReader::kExtensionData | EntityReader::kVersionPersistentId},
                        EntityReader::Targets());
    shared.ReadIdentity(*element);
    XMLUtils::GetNodeAttribute(element, u"Visibility", m_visible);
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (!shared.ReadChild(child))
            ReadChild(child);
    });
    return true;
}

void XMLAnnotationCallout::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChildSet")) {
        ChildSetReader::Read(child, Place::kCallout, *m_context, [this](const UTF8String& id) {
            m_children.AddWithUniquenessCheck(id);
        });
    } else if (ElementWalk::IsNamed(child, u"AnnotationPlane")) {
        ReadAnnotationPlane(child);
    } else if (ElementWalk::IsNamed(child, u"IText")) {
        // A later text replaces the earlier one.
        m_text = std::make_unique<XMLText>();
        m_text->Read(child, *m_context);
    }
}

void XMLAnnotationCallout::ReadAnnotationPlane(const DOMElement& plane) {
    // A referenced plane or one written in place; the last that resolves wins.
    ChildSetReader::Read(plane, Place::kAnnotationPlane, *m_context,
                         [this](const UTF8String& id) { m_planeId = id; });
}

AnnotationCalloutChildId XMLAnnotationCallout::ChildAt(std::uint64_t index) const {
    const std::size_t at = CheckedIndex::OfChild(index, m_children.Size(), "XMLAnnotationCallout");
    return AnnotationCalloutChildId::Create(m_context->Find(m_children.At(at)));
}

IsValueSpecifiedEnum XMLAnnotationCallout::AnnotationPlane(UTF8String& planeId) const {
    if (m_planeId.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    planeId = m_planeId;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
