#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

#include <vector>

namespace Orvik::Inspect {

// What a load skipped, refused or mended: one object per entry, codes and severities by their
// stable names.
class DiagnosticsDescriber {
public:
    static Json Describe(const std::vector<XMLLoadDiagnostic>& diagnostics);
};

} // namespace Orvik::Inspect
