#pragma once

#include "geometry/XMLGeometryGroup.h"
#include "loader/SideDataCache.h"
#include "orvik/api/IGeometricSet.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// An "IGeometricSet" element: geometry grouped by id, nested sets included.
class XMLGeometricSet : public XMLGeometryGroup<IGeometricSet> {
public:
    explicit XMLGeometricSet(ReadContext* context);
    ~XMLGeometricSet() override;

    // False without an element, or when the set lies deeper than containers may nest.
    bool Read(const xercesc::DOMElement* element);

    IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet& animations) const override;
    std::uint64_t ChildCount() const override { return m_children.Size(); }
    GeometricSetChildId ChildAt(std::uint64_t index) const override;

private:
    void ReadChild(const xercesc::DOMElement& child);
    IdSet* AnimationTarget() override { return &m_animations; }

    IdSet m_children;
    IdSet m_animations;
};

} // namespace Orvik
