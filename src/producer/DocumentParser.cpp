#include "producer/DocumentParser.h"

#include "producer/DocumentFile.h"
#include "producer/MarkupPrescan.h"

#include <string>
#include <xercesc/framework/MemBufInputSource.hpp>

namespace Orvik {
namespace {

// Generous for real documents, far below what an entity bomb needs.
constexpr unsigned kEntityExpansionLimit = 100000;

} // namespace

DocumentParser::DocumentParser(const XMLDocumentLimits& limits)
    : m_limits(limits)
    , m_parser(static_cast<std::size_t>(limits.maxDepth)) {
    Configure(m_parser, m_securityManager);
    m_parser.setErrorHandler(&m_errors);
}

void DocumentParser::Configure(xercesc::XercesDOMParser& parser,
                               xercesc::SecurityManager& securityManager) {
    securityManager.setEntityExpansionLimit(kEntityExpansionLimit);
    parser.setValidationScheme(xercesc::XercesDOMParser::Val_Never);
    parser.setDoNamespaces(true);
    parser.setDoSchema(true);
    parser.setCreateEntityReferenceNodes(true);
    parser.setDisableDefaultEntityResolution(true);
    parser.setLoadExternalDTD(false);
    parser.setSecurityManager(&securityManager);
}

bool DocumentParser::Parse(const UTF16String& path) {
    m_failureReason = UTF8String();
    m_errors.resetErrors();
    std::string bytes;
    const std::string unread = DocumentFile::Read(path, m_limits.maxDocumentBytes, bytes);
    if (!Refuse(unread.empty() ? unread : "the file " + unread) ||
        !Refuse(MarkupPrescan(m_limits).Check(bytes)))
        return false;
    try {
        // The path only names the document in the parser's messages.
        const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()),
                                                bytes.size(), path.CStr());
        m_parser.parse(source);
    } catch (const DepthLimitedDOMParser::DepthExceeded&) {
        m_failureReason =
            UTF8String("its elements nest deeper than " + std::to_string(m_parser.MaxDepth()) +
                       " levels (limit maxDepth)");
        return false;
    }
    if (m_parser.getErrorCount() != 0) {
        m_failureReason = UTF8String("the document is not well-formed XML (" +
                                     m_errors.FirstError().Value() + ")");
        return false;
    }
    return true;
}

bool DocumentParser::Refuse(const std::string& reason) {
    if (reason.empty())
        return true;
    m_failureReason = UTF8String(reason);
    return false;
}

} // namespace Orvik
