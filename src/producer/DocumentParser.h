#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "producer/DepthLimitedDOMParser.h"
#include "producer/ParseErrorRecorder.h"

#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/SecurityManager.hpp>

namespace Orvik {

// Reads the document into a DOM, fetching nothing beyond the document itself, with entity
// expansion bounded and deep nesting refused. The parser platform must be initialised for the
// whole life of the object.
class DocumentParser {
public:
    DocumentParser();
    DocumentParser(const DocumentParser&) = delete;
    DocumentParser& operator=(const DocumentParser&) = delete;

    // False for a document that is not well-formed or nests too deeply, with FailureReason
    // telling why. The parser's own exceptions (out of memory, unreadable input) pass through.
    bool Parse(const UTF16String& path);
    const UTF8String& FailureReason() const { return m_failureReason; }

    // The DOM lives as long as this object.
    xercesc::XercesDOMParser& Parser() { return m_parser; }

private:
    // Declared before the parser, which refers to both until it is destroyed.
    xercesc::SecurityManager m_securityManager;
    ParseErrorRecorder m_errors;
    DepthLimitedDOMParser m_parser;
    UTF8String m_failureReason;
};

} // namespace Orvik
