#include "geometry/GeometryAttributeReaders.h"

#include "loader/ElementReaders.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {

bool GeometryAttributeReaders::ReadVisibility(const xercesc::DOMElement& element,
                                              const XMLCh* name) {
    return !element.hasAttribute(name) ||
           ElementReaders::IsVisibleValue(XMLStrUtil::XMLStrToWStr(element.getAttribute(name)));
}

void GeometryAttributeReaders::ReadTransformText(const xercesc::DOMElement& child,
                                                 StoredTransform& transform) {
    const UTF8String text = XMLStrUtil::XMLStrToAStr(child.getTextContent());
    Matrix3d matrix;
    if (!text.IsEmpty() && XMLStrUtil::GetTransfFromStr(text, matrix))
        transform.Set(matrix);
}

} // namespace Orvik
