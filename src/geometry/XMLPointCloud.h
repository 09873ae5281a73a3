#pragma once

#include "orvik/api/IPointCloud.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLProducerImpl;

// An "IPointCloud" element: coordinates kept as text, three to a point.
class XMLPointCloud : public XMLEntity<IPointCloud> {
public:
    explicit XMLPointCloud(XMLProducerImpl* context);

    // False only without an element.
    bool ParsePointCloudElement(const xercesc::DOMElement* element);
    bool Read(const xercesc::DOMElement* element) { return ParsePointCloudElement(element); }

    double AngularTolerance() const override { return -1.0; }
    double LinearTolerance() const override { return -1.0; }
    double ParamTolerance() const override { return -1.0; }
    bool IsVisible() const override { return m_visible; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    IdSet Materials() const override { return IdSet(); }
    std::uint64_t PointCount() const override;
    void PointAt(std::uint64_t index, double& x, double& y, double& z) const override;
    void SetTransform(const Matrix3d& transform) override;
    const Matrix3d& Transform() const override;
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;
    bool HasTransform() const { return m_transform != nullptr; }

private:
    void ReadChild(const xercesc::DOMElement& child);
    void AppendCoordinates(const xercesc::DOMElement& pointCloud);

    XMLProducerImpl* m_context;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    std::unique_ptr<Matrix3d> m_transform;
    bool m_visible = true;
    bool m_netVisible = true;
    std::vector<UTF8String> m_coordinates;
    IdSet m_styles;
    IdSet m_netStyles;
};

} // namespace Orvik
