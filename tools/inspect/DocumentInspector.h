#pragma once

#include "Json.h"

#include <string>

namespace Orvik::Inspect {

struct InspectOptions {
    std::string path;
    std::string idPrefix;
    bool hasIdPrefix = false;
    // List every object the load holds, not only those reachable from the root.
    bool allObjects = false;
    // Add what the load skipped, refused or mended.
    bool diagnostics = false;
};

// Loads a document as a host would and builds the model the inspector prints.
// Load failures pass through as the framework's exceptions.
class DocumentInspector {
public:
    explicit DocumentInspector(InspectOptions options)
        : m_options(std::move(options)) {}

    Json Inspect() const;

private:
    InspectOptions m_options;
};

} // namespace Orvik::Inspect
