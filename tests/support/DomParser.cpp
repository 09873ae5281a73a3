#include "DomParser.h"

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>

namespace Orvik::TestSupport {

DomParser::~DomParser() {
    m_parsers.clear(); // documents must go before Xerces does
    xercesc::XMLPlatformUtils::Terminate();
}

const xercesc::DOMElement* DomParser::Parse(const std::string& xml) {
    auto parser = std::make_unique<xercesc::XercesDOMParser>();
    parser->setLoadExternalDTD(false);
    const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()),
                                            xml.size(), "test");
    parser->parse(source);
    EXPECT_EQ(parser->getErrorCount(), 0u) << xml;
    const xercesc::DOMDocument* document = parser->getDocument();
    m_parsers.push_back(std::move(parser));
    return document ? document->getDocumentElement() : nullptr;
}

} // namespace Orvik::TestSupport
