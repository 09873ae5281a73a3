#include "loader/ElementWalk.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

XMLCh FoldAscii(XMLCh c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<XMLCh>(c - u'A' + u'a') : c;
}

} // namespace

bool ElementWalk::IsNamed(const xercesc::DOMNode& node, const XMLCh* name) {
    return xercesc::XMLString::equals(node.getNodeName(), name);
}

bool ElementWalk::IsNamedIgnoringCase(const xercesc::DOMNode& node, const XMLCh* name) {
    const XMLCh* actual = node.getNodeName();
    if (actual == nullptr || name == nullptr)
        return false;
    for (; *actual != 0 && *name != 0; ++actual, ++name)
        if (FoldAscii(*actual) != FoldAscii(*name))
            return false;
    return *actual == *name;
}

} // namespace Orvik
