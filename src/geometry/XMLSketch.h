#pragma once

#include "geometry/XMLGeometryGroup.h"
#include "loader/SideDataCache.h"
#include "orvik/api/ISketch.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// An "ISketch" element: kernel curves and points, listed curves first.
class XMLSketch : public XMLGeometryGroup<ISketch> {
public:
    explicit XMLSketch(ReadContext* context);
    ~XMLSketch() override;

    // False without an element, or when it lies deeper than containers may nest.
    bool Read(const xercesc::DOMElement* element);

    std::uint32_t SketchType() const override { return m_sketchType; }
    IdSet CurveIds() const override { return m_curves; }
    IdSet ChildIds() const override { return m_children; }
    std::uint64_t TotalCount() const override;
    UTF8String IdAt(std::uint64_t index) const override;

private:
    void ReadVisibility(const xercesc::DOMElement& element) override;
    void ReadSketchType(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child);

    IdSet m_curves;
    IdSet m_children;
    std::uint32_t m_sketchType = kSketchType_Unknown;
};

} // namespace Orvik
