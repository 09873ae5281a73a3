#pragma once

#include <cstddef>
#include <xercesc/parsers/XercesDOMParser.hpp>

namespace Orvik {

// A DOM parser that stops once an element lies deeper than a limit. The parser's namespace
// handling costs time in proportion to the depth for every element, so a hostile document
// must not be parsed to its end. Counting during the parse sees the text in whatever encoding
// it has, and the elements that entity references bring in.
class DepthLimitedDOMParser : public xercesc::XercesDOMParser {
public:
    // Thrown out of parse(); Xerces unwinds its reader state, and the parser stays usable.
    struct DepthExceeded {};

    explicit DepthLimitedDOMParser(std::size_t maxDepth);

    std::size_t MaxDepth() const { return m_maxDepth; }

    void startDocument() override;
    void startElement(const xercesc::XMLElementDecl& elemDecl, const unsigned int urlId,
                      const XMLCh* const elemPrefix,
                      const xercesc::RefVectorOf<xercesc::XMLAttr>& attrList,
                      const XMLSize_t attrCount, const bool isEmpty, const bool isRoot) override;
    // Xerces calls it for empty elements too.
    void endElement(const xercesc::XMLElementDecl& elemDecl, const unsigned int urlId,
                    const bool isRoot, const XMLCh* const elemPrefix) override;

private:
    std::size_t m_maxDepth;
    std::size_t m_depth = 0;
};

} // namespace Orvik
