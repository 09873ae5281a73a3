#include "presentation/HandedOverPath.h"

#include "loader/ReadContext.h"
#include "loader/SideFileLocation.h"

#include <string>

namespace Orvik {

void HandedOverPath::ReportIfOutside(ReadContext& context, const xercesc::DOMElement& element,
                                     const UTF16String& path, const char* what) {
    if (path.IsEmpty() || !LeavesTheFolders(context, path))
        return;
    context.Report(DiagnosticCode::kOutsideDocumentFolder, DiagnosticSeverity::kWarning, &element,
                   UTF8String(std::string("the ") + what + " \"" + path.ToUTF8() +
                              "\" lies outside the document's folders or passes through a link; "
                              "it is handed to the host as written and never read"));
}

bool HandedOverPath::LeavesTheFolders(const ReadContext& context, const UTF16String& path) {
    return !SideFileLocation::LiesInsideFolder(context.SideFileDirectory(), path) &&
           !SideFileLocation::LiesInsideFolder(context.ZipDirectory(), path);
}

} // namespace Orvik
