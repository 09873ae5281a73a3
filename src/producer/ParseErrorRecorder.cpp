#include "producer/ParseErrorRecorder.h"

#include "orvik/api/Unicode.h"

#include <string>
#include <xercesc/sax/SAXParseException.hpp>

namespace Orvik {

void ParseErrorRecorder::Record(const xercesc::SAXParseException& e) {
    if (!m_first.IsEmpty())
        return;
    const std::string message = Unicode::Utf16ToUtf8(e.getMessage() ? e.getMessage() : u"");
    m_first = UTF8String("line " + std::to_string(e.getLineNumber()) + ", column " +
                         std::to_string(e.getColumnNumber()) + ": " + message);
}

} // namespace Orvik
