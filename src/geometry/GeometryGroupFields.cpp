#include "geometry/GeometryGroupFields.h"

#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

bool IsNamed(const DOMElement& child, const XMLCh* name, GeometryGroupFields::Case match) {
    return match == GeometryGroupFields::Case::kAny ? ElementWalk::IsNamedIgnoringCase(child, name)
                                                    : ElementWalk::IsNamed(child, name);
}

bool IsExactlyOne(const DOMElement& element, const XMLCh* name) {
    return ElementReaders::IsVisibleValue(XMLStrUtil::XMLStrToWStr(element.getAttribute(name)));
}

} // namespace

bool GeometryGroupFields::ReadUnit(const DOMElement& child) {
    if (!ElementWalk::IsNamed(child, u"Unit"))
        return false;
    ElementReaders::ReadUnit(&child, lengthUnit, displayAngleUnit, displayLengthUnit);
    return true;
}

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
        transform = std::make_unique<Matrix3d>(matrix);
    return true;
}

bool GeometryGroupFields::ReadStyles(XMLProducerImpl& context, const DOMElement& child,
                                     Case match) {
    // The list is read under the name it has, so a lower-case list still yields its ids.
    if (IsNamed(child, u"Styles", match)) {
        ElementReaders::ReadIdRefs(&context, &child, child.getNodeName(), StyleRefNodeNameXMLCh,
                                   styles);
        return true;
    }
    if (IsNamed(child, u"NetStyles", match)) {
        ElementReaders::ReadIdRefs(&context, &child, child.getNodeName(), StyleRefNodeNameXMLCh,
                                   netStyles);
        return true;
    }
    return false;
}

bool GeometryGroupFields::ReadMaterials(XMLProducerImpl& context, const DOMElement& child,
                                        Case match) {
    if (!IsNamed(child, u"Materials", match))
        return false;
    ElementReaders::ReadIdRefs(&context, &child, child.getNodeName(), MaterialRefNodeNameXMLCh,
                               materials);
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
