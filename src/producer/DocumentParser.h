#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/xml/XMLDocumentLimits.h"
#include "producer/DepthLimitedDOMParser.h"
#include "producer/ParseErrorRecorder.h"

#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/SecurityManager.hpp>

namespace Orvik {

// Reads the document into a DOM from a local regular file, fetching nothing beyond it. A
// document that declares entities or breaks a limit is refused before the parser builds
// anything; entity expansion stays bounded as a second guard. The parser platform must be
// initialised for the whole life of the object.
class DocumentParser {
public:
    explicit DocumentParser(const XMLDocumentLimits& limits);
    DocumentParser(const DocumentParser&) = delete;
    DocumentParser& operator=(const DocumentParser&) = delete;

    // False for a document that cannot be read, is not well-formed or breaks a limit, with
    // FailureReason telling why. The parser's own exceptions (out of memory) pass through.
    bool Parse(const UTF16String& path);
    const UTF8String& FailureReason() const { return m_failureReason; }

    // The settings every parse of a document uses: no validation, namespaces, nothing fetched,
    // entity expansion bounded. The security manager must outlive the parser.
    static void Configure(xercesc::XercesDOMParser& parser,
                          xercesc::SecurityManager& securityManager);

    // The DOM lives as long as this object.
    xercesc::XercesDOMParser& Parser() { return m_parser; }

private:
    bool Refuse(const std::string& reason);

    XMLDocumentLimits m_limits;
    // Declared before the parser, which refers to both until it is destroyed.
    xercesc::SecurityManager m_securityManager;
    ParseErrorRecorder m_errors;
    DepthLimitedDOMParser m_parser;
    UTF8String m_failureReason;
};

} // namespace Orvik
