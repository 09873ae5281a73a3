#pragma once

#include "orvik/api/IAnnotationCalloutElement.h"
#include "xml_util/XMLEntity.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "IAnnotationCalloutElement" element: the curves, points and meshes a callout points at,
// kept as ids and looked up at each call, with the element's styles.
class XMLAnnotationCalloutElement : public XMLEntity<IAnnotationCalloutElement> {
public:
    explicit XMLAnnotationCalloutElement(ReadContext* context);
    ~XMLAnnotationCalloutElement() override;

    // False only without an element.
    bool Read(const xercesc::DOMElement* element);

    std::uint64_t ChildCount() const override { return m_children.Size(); }
    AnnotationCalloutElementChildId ChildAt(std::uint64_t index) const override;
    IdSet Styles() const override { return m_styles; }

private:
    ReadContext* m_context;
    IdSet m_children;
    IdSet m_styles;
};

} // namespace Orvik
