#pragma once

#include "annotation/XMLText.h"
#include "orvik/api/IAnnotationCallout.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "IAnnotationCallout" element: a text in a plane, and the callout elements and objects it
// lists, kept as ids and looked up at each call.
class XMLAnnotationCallout : public XMLEntity<IAnnotationCallout> {
public:
    explicit XMLAnnotationCallout(ReadContext* context);
    ~XMLAnnotationCallout() override;

    // False only without an element.
    bool Read(const xercesc::DOMElement* element);

    std::uint64_t ChildCount() const override { return m_children.Size(); }
    AnnotationCalloutChildId ChildAt(std::uint64_t index) const override;
    IsValueSpecifiedEnum AnnotationPlane(UTF8String& planeId) const override;
    const IText* Text() const override { return m_text.get(); }
    bool IsVisible() const override { return m_visible; }

private:
    void ReadChild(const xercesc::DOMElement& child);
    void ReadAnnotationPlane(const xercesc::DOMElement& plane);

    ReadContext* m_context;
    IdSet m_children;
    UTF8String m_planeId;
    bool m_visible = true;
    std::unique_ptr<XMLText> m_text;
};

} // namespace Orvik
