#include "geometry/XMLPointCloud.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
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

XMLPointCloud::XMLPointCloud(ReadContext* context)
    : XMLPointGeometry(context) {}

bool XMLPointCloud::ParsePointCloudElement(const DOMElement* element) {
    return ReadPointElement(element, {0u, 0u}, nullptr, [this](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"PointCloud"))
            AppendCoordinates(child);
    });
}

void XMLPointCloud::AppendCoordinates(const DOMElement& pointCloud) {
    UTF8String text;
    XMLUtils::GetNodeAttribute(&pointCloud, u"PointCloudCoordinates", text);
    std::vector<UTF8String> pieces = XMLStrUtil::SplitStr(text, ' ');
    m_coordinates.reserve(m_coordinates.size() + pieces.size());
    for (const UTF8String& piece : pieces)
        m_coordinates.push_back(ToCoordinate(piece));
}

std::uint64_t XMLPointCloud::PointCount() const {
    return m_coordinates.size() / 3;
}

void XMLPointCloud::PointAt(std::uint64_t index, double& x, double& y, double& z) const {
    if (index >= PointCount())
        return;
    const std::size_t first = static_cast<std::size_t>(index) * 3;
    x = m_coordinates[first];
    y = m_coordinates[first + 1];
    z = m_coordinates[first + 2];
}

} // namespace Orvik
