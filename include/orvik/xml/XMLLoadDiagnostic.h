#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdint>

namespace Orvik {

// Why a load left something out, refused it or mended it.
enum class DiagnosticCode : std::uint8_t {
    kSideFileUnreadable,   // a side file named by the document could not be read
    kMissingId,            // an entity element without "ID", skipped
    kUnresolvedReference,  // a reference to an id that no object has
    kUnknownChild,         // an element a known container does not know, passed over
    kUnparsableValue,      // a value that did not parse; the default stands
    kZipEntryRefused,      // a zip entry that was not extracted
    kLimitReached,         // a nesting, entity or size limit cut the reading short
    kReadFailed,           // an element whose reading failed; no object was made of it
    kOutsideDocumentFolder // a side file named outside the document's folder, not read
};

enum class DiagnosticSeverity : std::uint8_t { kInfo, kWarning, kError };

// One entry of what a load skipped, refused or mended, and where.
struct XMLLoadDiagnostic {
    DiagnosticCode code = DiagnosticCode::kReadFailed;
    DiagnosticSeverity severity = DiagnosticSeverity::kWarning;
    // The element's name and "ID" (empty when it has none).
    UTF8String element;
    UTF8String id;
    // From the document element, such as Document/IAssembly[@ID='a1']/ChildSet/IInstance[3]
    // (positions count from 1 among the siblings of the same name); empty for what no element
    // stands for.
    UTF8String path;
    UTF8String message;
};

// Stable lower-case names, as the inspector prints them ("side-file-unreadable", "warning").
const char* DiagnosticCodeName(DiagnosticCode code);
const char* DiagnosticSeverityName(DiagnosticSeverity severity);

} // namespace Orvik
