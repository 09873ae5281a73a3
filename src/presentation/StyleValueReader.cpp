#include "presentation/StyleValueReader.h"

#include "loader/ReadContext.h"
#include "presentation/UnparsableValueReport.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

bool ParsePresent(const DOMElement& element, const XMLCh* name, double& value) {
    return element.getAttributeNode(name) != nullptr &&
           XMLStrUtil::XMLStrToDouble(element.getAttribute(name), value);
}

} // namespace

StyleValueReader::StyleValueReader(ReadContext& context)
    : m_context(context)
    , m_report(UnparsableValueReport::For(context)) {}

std::optional<Color> StyleValueReader::ReadColour(const DOMElement& element) {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    if (!ParsePresent(element, u"FractionRed", red) ||
        !ParsePresent(element, u"FractionGreen", green) ||
        !ParsePresent(element, u"FractionBlue", blue))
        return std::nullopt;
    Color colour;
    double alpha = 0.0;
    if (ParsePresent(element, u"FractionAlpha", alpha))
        colour.SetFractionalRGBA(red, green, blue, alpha);
    else
        colour.SetFractionalRGB(red, green, blue);
    return colour;
}

std::optional<double> StyleValueReader::ReadFactor(const DOMElement& element, const XMLCh* name) {
    double factor = 0.0;
    if (!ParsePresent(element, name, factor))
        return std::nullopt;
    return factor;
}

std::optional<UTF8String> StyleValueReader::ReadTextureReference(const DOMElement& element) const {
    UTF8String id;
    if (!XMLUtils::GetNodeAttribute(&element, u"TextureId", id))
        return std::nullopt;
    return m_context.ReferenceId(id);
}

std::optional<double> StyleValueReader::ReadScalar(const DOMElement& element,
                                                   const XMLCh* name) const {
    double value = 0.0;
    if (!NumericAttribute::ReadDouble(element, name, value, m_report))
        return std::nullopt;
    return value;
}

std::optional<int> StyleValueReader::ReadInteger(const DOMElement& element,
                                                 const XMLCh* name) const {
    int value = 0;
    if (!NumericAttribute::ReadInt(element, name, value, m_report))
        return std::nullopt;
    return value;
}

} // namespace Orvik
