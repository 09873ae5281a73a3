#include "producer/DocumentParser.h"

#include <string>

namespace Orvik {
namespace {

// Generous for real documents, far below what an entity bomb needs.
constexpr unsigned kEntityExpansionLimit = 100000;
// Far deeper than real documents.
constexpr std::size_t kMaxElementDepth = 1000;

} // namespace

DocumentParser::DocumentParser()
    : m_parser(kMaxElementDepth) {
    m_securityManager.setEntityExpansionLimit(kEntityExpansionLimit);
    m_parser.setValidationScheme(xercesc::XercesDOMParser::Val_Never);
    m_parser.setDoNamespaces(true);
    m_parser.setDoSchema(true);
    m_parser.setCreateEntityReferenceNodes(true);
    m_parser.setDisableDefaultEntityResolution(true);
    m_parser.setLoadExternalDTD(false);
    m_parser.setSecurityManager(&m_securityManager);
    m_parser.setErrorHandler(&m_errors);
}

bool DocumentParser::Parse(const UTF16String& path) {
    m_failureReason = UTF8String();
    m_errors.resetErrors();
    try {
        m_parser.parse(path.CStr());
    } catch (const DepthLimitedDOMParser::DepthExceeded&) {
        m_failureReason = UTF8String("its elements nest deeper than " +
                                     std::to_string(m_parser.MaxDepth()) + " levels");
        return false;
    }
    if (m_parser.getErrorCount() != 0) {
        m_failureReason = UTF8String("the document is not well-formed XML (" +
                                     m_errors.FirstError().Value() + ")");
        return false;
    }
    return true;
}

} // namespace Orvik
