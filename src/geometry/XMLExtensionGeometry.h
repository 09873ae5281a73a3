#pragma once

#include "geometry/XMLGeometryGroup.h"
#include "loader/SideDataCache.h"
#include "orvik/api/IExtensionGeometry.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// An "IExtensionGeometry" element: geometry grouped by id; may nest itself, not sets.
class XMLExtensionGeometry : public XMLGeometryGroup<IExtensionGeometry> {
public:
    explicit XMLExtensionGeometry(ReadContext* context);
    ~XMLExtensionGeometry() override;

    // False without an element, or when it lies deeper than containers may nest.
    bool Read(const xercesc::DOMElement* element);

    // Extension geometry refers to no materials.
    IdSet Materials() const override { return IdSet(); }
    std::uint64_t ChildCount() const override { return m_children.Size(); }
    ExtensionGeometryChildId ChildAt(std::uint64_t index) const override;

private:
    void ReadChild(const xercesc::DOMElement& child);

    IdSet m_children;
};

} // namespace Orvik
