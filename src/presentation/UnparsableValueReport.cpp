#include "presentation/UnparsableValueReport.h"

#include "loader/ReadContext.h"

namespace Orvik {

NumericAttribute::ReportUnparsable UnparsableValueReport::For(ReadContext& context) {
    return [&context](const xercesc::DOMElement& element, const XMLCh* name) {
        context.Report(
            DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
            UTF8String("\"" + UTF16String(name).ToUTF8() + "\" is not a number; 0 is used"));
    };
}

MaterialDataContext UnparsableValueReport::MaterialData(ReadContext& context) {
    MaterialDataContext materialData;
    materialData.mapId = [&context](const UTF8String& id) { return context.ReferenceId(id); };
    materialData.reportUnparsable = For(context);
    return materialData;
}

} // namespace Orvik
