#include "geometry/XMLPointCloud.h"

#include "geometry/GeometryAttributeReaders.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

// A string that is not a number answers 0.
double ToCoordinate(const UTF8String& text) {
    double value = 0.0;
    if (!XMLStrUtil::XMLStrToDouble(UTF16String(text), value))
        value = 0.0;
    return value;
}

} // namespace

XMLPointCloud::XMLPointCloud(XMLProducerImpl* context)
    : m_context(context) {}

bool XMLPointCloud::ParsePointCloudElement(const DOMElement* element) {
    if (element == nullptr)
        return false;
    UTF8String id;
    XMLUtils::GetNodeAttribute(element, u"ID", id);
    SetId(m_context != nullptr ? ElementReaders::ReadElementId(*m_context, element) : id);
    UTF16String label;
    XMLUtils::GetNodeAttribute(element, u"Label", label);
    SetLabel(label);
    m_visible = GeometryAttributeReaders::ReadVisibility(*element, u"Visibility");
    m_netVisible = GeometryAttributeReaders::ReadVisibility(*element, u"NetVisibility");
    ElementWalk::ForEachChildElement(*element,
                                     [this](const DOMElement& child) { ReadChild(child); });
    return true;
}

void XMLPointCloud::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"PointCloud")) {
        AppendCoordinates(child);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        GeometryAttributeReaders::ReadTransformText(child, m_transform);
    } else if (ElementWalk::IsNamed(child, u"Unit")) {
        UnitTypeEnum dropped = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, m_lengthUnit, dropped, m_displayLengthUnit);
    } else if (ElementWalk::IsNamedIgnoringCase(child, u"Styles")) {
        ElementReaders::ReadIdRefs(m_context, &child, child.getNodeName(), StyleRefNodeNameXMLCh,
                                   m_styles);
    } else if (ElementWalk::IsNamedIgnoringCase(child, u"NetStyles")) {
        ElementReaders::ReadIdRefs(m_context, &child, child.getNodeName(), StyleRefNodeNameXMLCh,
                                   m_netStyles);
    }
}

void XMLPointCloud::AppendCoordinates(const DOMElement& pointCloud) {
    UTF8String text;
    XMLUtils::GetNodeAttribute(&pointCloud, u"PointCloudCoordinates", text);
    std::vector<UTF8String> pieces = XMLStrUtil::SplitStr(text, ' ');
    m_coordinates.reserve(m_coordinates.size() + pieces.size());
    for (UTF8String& piece : pieces)
        m_coordinates.push_back(std::move(piece));
}

std::uint64_t XMLPointCloud::PointCount() const {
    return m_coordinates.size() / 3;
}

void XMLPointCloud::PointAt(std::uint64_t index, double& x, double& y, double& z) const {
    if (index >= PointCount())
        return;
    const std::size_t first = static_cast<std::size_t>(index) * 3;
    x = ToCoordinate(m_coordinates[first]);
    y = ToCoordinate(m_coordinates[first + 1]);
    z = ToCoordinate(m_coordinates[first + 2]);
}

void XMLPointCloud::SetTransform(const Matrix3d& transform) {
    GeometryAttributeReaders::StoreTransform(transform, m_transform);
}

const Matrix3d& XMLPointCloud::Transform() const {
    return GeometryAttributeReaders::TransformOrIdentity(m_transform);
}

IsValueSpecifiedEnum XMLPointCloud::LengthUnit(UnitTypeEnum& unit) const {
    unit = m_lengthUnit;
    return IsValueSpecifiedEnum::kSpecified;
}

IsValueSpecifiedEnum XMLPointCloud::DisplayAngleUnit(UnitTypeEnum&) const {
    return IsValueSpecifiedEnum::kUnspecified;
}

IsValueSpecifiedEnum XMLPointCloud::DisplayLengthUnit(UnitTypeEnum& unit) const {
    unit = m_displayLengthUnit;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
