#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/xml/XMLDocumentLimits.h"
#include "orvik/xml/XMLLoadDiagnostic.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// What a second mention of one file costs.
enum class SideFileUse : std::uint8_t {
    kReadOnce,     // read whole; the same kind does not read it again
    kReadEachTime, // read at each mention, the bytes asked for each time
    kHandedOver,   // handed to the host, counted once however often it is named
};

// A side file a document names, as one reader asks for it.
struct SideFileRequest {
    // Where the diagnostics point; may be null.
    const xercesc::DOMElement* element = nullptr;
    // How the diagnostics name it: "the <what> \"<written>\" ...".
    std::string what = "side file";
    // Files are counted per kind: the element or section that names them.
    std::string kind;
    // The path as the document wrote it.
    UTF16String written;
    // What the reader opens when it differs from the written path joined beside the document.
    UTF16String resolved;
    SideFileUse use = SideFileUse::kReadOnce;
    // The bytes taken from the file; its whole size when not given.
    std::optional<std::uint64_t> bytes;
};

enum class SideFileVerdict : std::uint8_t { kAdmitted, kMissing, kRefused };

// What the side files of one load have used so far.
struct SideFileBudget {
    std::set<std::pair<std::string, std::string>> files;
    std::uint64_t bytes = 0;
};

// The one check every side-file path from a document passes before it is read or handed to the
// host: it stays inside the document's folder or the extraction folder (unless the host trusts
// its documents), names a regular file, and keeps the side-file limits of the load. A refusal is
// recorded on the load.
class SideFileGate {
public:
    // kMissing when nothing is at the path (left to the reader, which knows whether that is a
    // fault); the path to open comes back in path when admitted or missing.
    static SideFileVerdict Admit(ReadContext& context, const SideFileRequest& request,
                                 UTF16String& path);
    // The host's limits, or the defaults when it gave no options.
    static const XMLDocumentLimits& Limits(const ReadContext& context);

private:
    static bool StaysInside(const ReadContext& context, const SideFileRequest& request,
                            const UTF16String& path);
    static bool KeepsTheLimits(ReadContext& context, const SideFileRequest& request,
                               const UTF16String& path);
    static void Refuse(ReadContext& context, const SideFileRequest& request, DiagnosticCode code,
                       DiagnosticSeverity severity, const std::string& why,
                       const char* consequence = nullptr);
};

} // namespace Orvik
