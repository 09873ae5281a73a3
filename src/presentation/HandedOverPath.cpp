#include "presentation/HandedOverPath.h"

#include "loader/ReadContext.h"

#include <string>

namespace Orvik {

void HandedOverPath::ReportIfOutside(ReadContext& context, const xercesc::DOMElement& element,
                                     const UTF16String& path, const char* what) {
    if (path.IsEmpty() || context.LiesInsideDocumentFolders(path))
        return;
    context.Report(DiagnosticCode::kOutsideDocumentFolder, DiagnosticSeverity::kWarning, &element,
                   UTF8String(std::string("the ") + what + " \"" + path.ToUTF8() +
                              "\" lies outside the document's folders or passes through a link; "
                              "it is handed to the host as written and never read"));
}

} // namespace Orvik
