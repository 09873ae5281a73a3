#pragma once

#include "orvik/xml/XMLLoadDiagnostic.h"
#include "orvik/xml/XMLProducerOptions.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace Orvik::Hostile {

// What one row hands to the producer.
struct HostileCase {
    std::string document;
    XMLProducerOptions options;
};

// A document row ends in a FileException; a side-file row loads and leaves the file out.
enum class Expected { kRefused, kLeftOut };

// One hostile document (or side file) and how its load must end.
struct HostileRow {
    std::string name;
    // Writes the row's files below the folder, which exists and is empty.
    std::function<HostileCase(const std::filesystem::path& folder)> build;
    Expected expected = Expected::kRefused;
    // Refused: a part of the exception's message. Left out: the diagnostic code's name.
    std::string fragment;
    // Refused: the exception's error code.
    int errorCode = 0;
    // Left out: the elements that each carry a diagnostic with the code.
    std::vector<std::string> elements;
};

// How a load ended.
struct HostileOutcome {
    std::string document;
    bool refused = false;
    // Another exception than FileException: its text.
    std::string escaped;
    std::string message;
    int errorCode = 0;
    std::vector<XMLLoadDiagnostic> diagnostics;
    // Custom-data values, properties and file references that reached the host.
    std::size_t handedOver = 0;
};

} // namespace Orvik::Hostile
