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
                                                 std::unique_ptr<Matrix3d>& transform) {
    const UTF8String text = XMLStrUtil::XMLStrToAStr(child.getTextContent());
    Matrix3d matrix;
    if (!text.IsEmpty() && XMLStrUtil::GetTransfFromStr(text, matrix))
        StoreTransform(matrix, transform);
}

void GeometryAttributeReaders::StoreTransform(const Matrix3d& matrix,
                                              std::unique_ptr<Matrix3d>& transform) {
    transform.reset();
    if (!matrix.IsIdentity())
        transform = std::make_unique<Matrix3d>(matrix);
}

const Matrix3d&
GeometryAttributeReaders::TransformOrIdentity(const std::unique_ptr<Matrix3d>& transform) {
    static const Matrix3d kIdentity;
    return transform ? *transform : kIdentity;
}

} // namespace Orvik
