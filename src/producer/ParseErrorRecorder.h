#pragma once

#include "orvik/api/UTF8String.h"

#include <xercesc/sax/ErrorHandler.hpp>

namespace Orvik {

// Keeps the first parse error with its place, so a failed load can say where it failed.
// It never throws: the parser's error count decides the outcome.
class ParseErrorRecorder : public xercesc::ErrorHandler {
public:
    void warning(const xercesc::SAXParseException&) override {}
    void error(const xercesc::SAXParseException& e) override { Record(e); }
    void fatalError(const xercesc::SAXParseException& e) override { Record(e); }
    void resetErrors() override { m_first = UTF8String(); }

    const UTF8String& FirstError() const { return m_first; }

private:
    void Record(const xercesc::SAXParseException& e);

    UTF8String m_first;
};

} // namespace Orvik
