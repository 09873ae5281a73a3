#include "geometry/GeometryGroupFields.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

bool IsExactlyOne(const DOMElement& element, const XMLCh* name) {
    return ElementReaders::IsVisibleValue(XMLStrUtil::XMLStrToWStr(element.getAttribute(name)));
}

} // namespace

// The shared tolerance reader wants the exact name; these containers take any letter case, so
// the values are read here, in the same all-or-stop order.
bool GeometryGroupFields::ReadTolerance(const DOMElement& child) {
    if (!ElementWalk::IsNamedIgnoringCase(child, u"Tolerance"))
        return false;
    XMLStrUtil::XMLStrToDouble(child.getAttribute(u"AngularTolerance"), angularTolerance) &&
        XMLStrUtil::XMLStrToDouble(child.getAttribute(u"LinearTolerance"), linearTolerance) &&
        XMLStrUtil::XMLStrToDouble(child.getAttribute(u"ParamTolerance"), paramTolerance);
    return true;
}

bool GeometryGroupFields::ReadTransform(const DOMElement& child) {
    if (!ElementWalk::IsNamed(child, u"Transform"))
        return false;
    const UTF8String text = XMLStrUtil::XMLStrToAStr(child.getTextContent());
    Matrix3d matrix;
    if (!text.IsEmpty() && XMLStrUtil::GetTransfFromStr(text, matrix) && !matrix.IsIdentity())
        transform.Set(matrix);
    return true;
}

void GeometryGroupFields::ReadVisibilityFlags(const DOMElement& element) {
    XMLUtils::GetNodeAttribute(&element, u"Visibility", visible);
    XMLUtils::GetNodeAttribute(&element, u"NetVisibility", netVisible);
}

void GeometryGroupFields::ReadVisibilityStrict(const DOMElement& element) {
    visible = IsExactlyOne(element, u"Visibility");
    netVisible = IsExactlyOne(element, u"NetVisibility");
}

} // namespace Orvik
