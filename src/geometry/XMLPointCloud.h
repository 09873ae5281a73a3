#pragma once

#include "geometry/XMLPointGeometry.h"
#include "orvik/api/IPointCloud.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// An "IPointCloud" element: coordinates kept as text, three to a point.
class XMLPointCloud : public XMLPointGeometry<IPointCloud> {
public:
    explicit XMLPointCloud(XMLProducerImpl* context);

    // False only without an element.
    bool ParsePointCloudElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParsePointCloudElement(element); }

    IdSet Materials() const override { return IdSet(); }
    std::uint64_t PointCount() const override;
    void PointAt(std::uint64_t index, double& x, double& y, double& z) const override;

private:
    void ReadChild(const xercesc::DOMElement& child);
    void AppendCoordinates(const xercesc::DOMElement& pointCloud);

    std::vector<UTF8String> m_coordinates;
};

} // namespace Orvik
