#include "DiagnosticsDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {

Json DiagnosticsDescriber::Describe(const std::vector<XMLLoadDiagnostic>& diagnostics) {
    Json entries = Json::array();
    for (const XMLLoadDiagnostic& entry : diagnostics)
        entries.push_back(Json{{"code", DiagnosticCodeName(entry.code)},
                               {"severity", DiagnosticSeverityName(entry.severity)},
                               {"element", ValueFormatter::Text(entry.element)},
                               {"id", ValueFormatter::Text(entry.id)},
                               {"path", ValueFormatter::Text(entry.path)},
                               {"message", ValueFormatter::Text(entry.message)}});
    return entries;
}

} // namespace Orvik::Inspect
