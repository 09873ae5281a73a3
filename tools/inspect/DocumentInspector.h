#pragma once

#include "JsonValue.h"

#include <string>

namespace Orvik::Inspect {

struct InspectOptions {
    std::string path;
    std::string idPrefix;
    bool hasIdPrefix = false;
    // List every object the load holds, not only those reachable from the root.
    bool allObjects = false;
};

// Loads a document as a host would and builds the model the inspector prints.
// Load failures pass through as the framework's exceptions.
class DocumentInspector {
public:
    explicit DocumentInspector(InspectOptions options)
        : m_options(std::move(options)) {}

    JsonValue Inspect() const;

private:
    InspectOptions m_options;
};

} // namespace Orvik::Inspect
