#include "loader/SideFileGate.h"

#include "loader/ReadContext.h"
#include "loader/RegularFile.h"
#include "loader/SideFileLocation.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "xml_util/FsPathConverter.h"

#include <algorithm>
#include <boost/filesystem/operations.hpp>

namespace Orvik {
namespace {

namespace fs = boost::filesystem;

bool TrustsOutsidePaths(const ReadContext& context) {
    return context.Options() && context.Options()->AllowSideFilesOutsideDocumentFolder();
}

const char* Consequence(const SideFileRequest& request) {
    return request.use == SideFileUse::kHandedOver ? "is not handed over" : "is not read";
}

} // namespace

const XMLDocumentLimits& SideFileGate::Limits(const ReadContext& context) {
    static const XMLDocumentLimits defaults;
    return context.Options() ? context.Options()->DocumentLimits() : defaults;
}

SideFileVerdict SideFileGate::Admit(ReadContext& context, const SideFileRequest& request,
                                    UTF16String& path) {
    path = request.resolved.IsEmpty()
               ? SideFileLocation::BesideDocument(context.DocumentPath(), request.written)
               : request.resolved;
    if (request.written.IsEmpty())
        return SideFileVerdict::kMissing;
    if (!TrustsOutsidePaths(context) && !StaysInside(context, request, path)) {
        Refuse(context, request, DiagnosticCode::kOutsideDocumentFolder, DiagnosticSeverity::kError,
               "lies outside the document's folder");
        return SideFileVerdict::kRefused;
    }
    boost::system::error_code error;
    if (!fs::exists(FsPathConverter::ToPath(path), error))
        return SideFileVerdict::kMissing;
    const std::string unusable = RegularFile::Check(path);
    if (!unusable.empty()) {
        Refuse(context, request, DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kError,
               unusable);
        return SideFileVerdict::kRefused;
    }
    return KeepsTheLimits(context, request, path) ? SideFileVerdict::kAdmitted
                                                  : SideFileVerdict::kRefused;
}

// The written value is checked as well as the joined path: a join may hide where it points.
bool SideFileGate::StaysInside(const ReadContext& context, const SideFileRequest& request,
                               const UTF16String& path) {
    const UTF16String& document = context.DocumentPath();
    const UTF16String& zipFolder = context.ZipDirectory();
    const auto inside = [&](const UTF16String& candidate) {
        return SideFileLocation::StaysInsideDocumentFolder(document, candidate) ||
               SideFileLocation::StaysInsideFolder(zipFolder, candidate);
    };
    return inside(request.written) && (path == request.written || inside(path));
}

// A document naming one file a thousand times must not make us read it so often, and all side
// files of a load together stay within a budget.
bool SideFileGate::KeepsTheLimits(ReadContext& context, const SideFileRequest& request,
                                  const UTF16String& path) {
    boost::system::error_code error;
    const fs::path onDisk = FsPathConverter::ToPath(path);
    const std::string canonical = fs::canonical(onDisk, error).string();
    SideFileBudget& budget = context.SideFiles();
    const bool firstMention = budget.files.emplace(request.kind, canonical).second;
    if (!firstMention && request.use == SideFileUse::kHandedOver)
        return true;
    if (!firstMention && request.use == SideFileUse::kReadOnce) {
        Refuse(context, request, DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kWarning,
               "was read for an earlier element of this kind", "is not read again");
        return false;
    }
    const XMLDocumentLimits& limits = Limits(context);
    const std::uint64_t size = request.bytes ? *request.bytes : fs::file_size(onDisk, error);
    if (error) {
        Refuse(context, request, DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kError,
               "cannot be read: " + error.message());
        return false;
    }
    if (size > limits.maxSideFileBytes) {
        Refuse(context, request, DiagnosticCode::kLimitReached, DiagnosticSeverity::kError,
               "is larger than the limit of " + std::to_string(limits.maxSideFileBytes) +
                   " bytes (maxSideFileBytes)");
        return false;
    }
    if (size >
        limits.maxTotalSideFileBytes - std::min(budget.bytes, limits.maxTotalSideFileBytes)) {
        Refuse(context, request, DiagnosticCode::kLimitReached, DiagnosticSeverity::kError,
               "would take the side files of this document past the limit of " +
                   std::to_string(limits.maxTotalSideFileBytes) + " bytes (maxTotalSideFileBytes)");
        return false;
    }
    budget.bytes += size;
    return true;
}

void SideFileGate::Refuse(ReadContext& context, const SideFileRequest& request, DiagnosticCode code,
                          DiagnosticSeverity severity, const std::string& why,
                          const char* consequence) {
    context.Report(code, severity, request.element,
                   UTF8String("the " + request.what + " \"" + request.written.ToUTF8() + "\" " +
                              why + " and " + (consequence ? consequence : Consequence(request))));
}

} // namespace Orvik
