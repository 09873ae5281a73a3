#include "producer/DepthLimitedDOMParser.h"

#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik {

DepthLimitedDOMParser::DepthLimitedDOMParser(std::size_t maxDepth)
    : xercesc::XercesDOMParser(nullptr, xercesc::XMLPlatformUtils::fgMemoryManager, nullptr)
    , m_maxDepth(maxDepth) {}

void DepthLimitedDOMParser::startDocument() {
    m_depth = 0;
    xercesc::XercesDOMParser::startDocument();
}

void DepthLimitedDOMParser::startElement(const xercesc::XMLElementDecl& elemDecl,
                                         const unsigned int urlId, const XMLCh* const elemPrefix,
                                         const xercesc::RefVectorOf<xercesc::XMLAttr>& attrList,
                                         const XMLSize_t attrCount, const bool isEmpty,
                                         const bool isRoot) {
    // Thrown before the element joins the tree, so the DOM never holds the excess level.
    if (++m_depth > m_maxDepth)
        throw DepthExceeded{};
    xercesc::XercesDOMParser::startElement(elemDecl, urlId, elemPrefix, attrList, attrCount,
                                           isEmpty, isRoot);
}

void DepthLimitedDOMParser::endElement(const xercesc::XMLElementDecl& elemDecl,
                                       const unsigned int urlId, const bool isRoot,
                                       const XMLCh* const elemPrefix) {
    if (m_depth > 0)
        --m_depth;
    xercesc::XercesDOMParser::endElement(elemDecl, urlId, isRoot, elemPrefix);
}

} // namespace Orvik
