#include "BareDomWalk.h"

#include "producer/DocumentParser.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <xercesc/dom/DOMAttr.hpp>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik::Bench {
namespace {

using namespace xercesc;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The producer's walk order: depth first, document order.
const DOMNode* Next(const DOMNode* node, const DOMNode* root) {
    if (const DOMNode* child = node->getFirstChild())
        return child;
    while (node != root) {
        if (const DOMNode* sibling = node->getNextSibling())
            return sibling;
        node = node->getParentNode();
    }
    return nullptr;
}

} // namespace

BareDomWalk::BareDomWalk() {
    // A plain parser with the producer's settings.
    Orvik::DocumentParser::Configure(m_parser, m_securityManager);
    XMLTransService::Codes code = XMLTransService::Ok;
    m_transcoder.reset(XMLPlatformUtils::fgTransService->makeNewTranscoderFor(XMLRecognizer::UTF_8,
                                                                              code, 16 * 1024));
    if (!m_transcoder)
        throw std::runtime_error("no UTF-8 transcoder");
}

BareDomWalk::~BareDomWalk() = default;

std::size_t BareDomWalk::ParseAndWalk(const std::string& path) {
    const std::string bytes = ReadAll(path);
    const MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(),
                                   "document");
    m_parser.parse(source);
    const DOMDocument* document = m_parser.getDocument();
    if (m_parser.getErrorCount() != 0 || !document || !document->getDocumentElement())
        throw std::runtime_error(path + " is not well-formed");
    std::size_t checksum = 0;
    const DOMNode* root = document->getDocumentElement();
    for (const DOMNode* node = root; node; node = Next(node, root)) {
        if (node->getNodeType() != DOMNode::ELEMENT_NODE)
            continue;
        checksum += Transcode(node->getNodeName());
        const DOMNamedNodeMap* attributes = node->getAttributes();
        for (XMLSize_t i = 0, n = attributes->getLength(); i < n; ++i) {
            const DOMNode* attribute = attributes->item(i);
            checksum += Transcode(attribute->getNodeName());
            checksum += Transcode(attribute->getNodeValue());
        }
    }
    return checksum;
}

std::size_t BareDomWalk::Transcode(const XMLCh* text) {
    const XMLSize_t length = XMLString::stringLen(text);
    // Three bytes of UTF-8 at most for each UTF-16 unit.
    if (m_utf8.size() < length * 3 + 1)
        m_utf8.resize(length * 3 + 1);
    XMLSize_t eaten = 0;
    const XMLSize_t written = m_transcoder->transcodeTo(text, length, m_utf8.data(), m_utf8.size(),
                                                        eaten, XMLTranscoder::UnRep_RepChar);
    return written + (written ? m_utf8[0] : 0);
}

} // namespace Orvik::Bench
