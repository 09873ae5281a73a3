#pragma once

#include "geometry/XMLPointGeometry.h"
#include "orvik/api/IPointCloud.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "IPointCloud" element: coordinates, three to a point.
class XMLPointCloud : public XMLPointGeometry<IPointCloud> {
public:
    explicit XMLPointCloud(ReadContext* context);

    // False only without an element.
    bool ParsePointCloudElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParsePointCloudElement(element); }

    IdSet Materials() const override { return IdSet(); }
    std::uint64_t PointCount() const override;
    void PointAt(std::uint64_t index, double& x, double& y, double& z) const override;

private:
    void AppendCoordinates(const xercesc::DOMElement& pointCloud);

    // Parsed once, as read; text that is no number stands for 0.
    std::vector<double> m_coordinates;
};

} // namespace Orvik
