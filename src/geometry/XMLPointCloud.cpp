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

// A string that is not a number stands for 0.
bool ToCoordinate(const UTF8String& text, double& value) {
    value = 0.0;
    if (XMLStrUtil::XMLStrToDouble(UTF16String(text), value))
        return true;
    value = 0.0;
    return false;
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
    std::size_t unreadable = 0;
    for (const UTF8String& piece : pieces) {
        double value = 0.0;
        unreadable += ToCoordinate(piece, value) ? 0 : 1;
        m_coordinates.push_back(value);
    }
    if (unreadable != 0)
        m_context->Report(
            DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &pointCloud,
            UTF8String(std::to_string(unreadable) + " coordinates are no numbers and stand for 0"));
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
