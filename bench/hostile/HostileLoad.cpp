#include "HostileLoad.h"

#include "orvik/xml_producer.h"

#include <exception>

namespace Orvik::Hostile {
namespace {

// The id that asks the producer for subdivision meshes too, so that their section is read.
const char* const kSubdivisionMarker = "0C46B962-76AE-431F-AA0C-5F2398F534CE";

std::size_t FileRefsHandedOver(XMLProducer& producer) {
    IObject* file = producer.Load(UTF8String("f1"));
    ExtensionDataContent content;
    if (file == nullptr ||
        file->ExtensionDataByTypeId(UTF8String("t"), content) != IsValueSpecifiedEnum::kSpecified)
        return 0;
    return content.FileRefs().size();
}

std::size_t HandedOver(XMLProducer& producer) {
    std::size_t count = 0;
    if (const IUniverse* universe = producer.LoadUniverse()) {
        for (std::uint64_t i = 0; i < universe->CustomDataCount(); ++i) {
            UTF8String key;
            Variant value;
            count += universe->CustomDataAt(i, key, value) ? 1 : 0;
        }
        if (const PropertyDatabase* properties = universe->PropertyDatabase())
            count += properties->PropertyCount();
    }
    return count + FileRefsHandedOver(producer);
}

std::size_t CountWithCode(const HostileRow& row, const HostileOutcome& outcome,
                          const std::string& element) {
    std::size_t count = 0;
    for (const XMLLoadDiagnostic& entry : outcome.diagnostics)
        count += DiagnosticCodeName(entry.code) == row.fragment &&
                 (element.empty() || entry.element.Value() == element);
    return count;
}

} // namespace

HostileOutcome HostileLoad::Run(const HostileCase& hostile) {
    HostileOutcome outcome;
    outcome.document = hostile.document;
    XMLProducerOptions options = hostile.options;
    XMLProducer producer(UTF16String(hostile.document), &options);
    FilterOptions filter;
    filter.SetWantSubdivMesh(true);
    try {
        producer.BeginProcess(IdSet{UTF8String(kSubdivisionMarker)}, &filter, nullptr);
        outcome.handedOver = HandedOver(producer);
    } catch (const FileException& e) {
        outcome.refused = true;
        outcome.message = e.Message().Value();
        outcome.errorCode = e.ErrorCode();
    } catch (const std::exception& e) {
        outcome.escaped = e.what();
    } catch (...) {
        outcome.escaped = "an exception of unknown type";
    }
    outcome.diagnostics = producer.Diagnostics();
    return outcome;
}

std::string HostileLoad::Mismatch(const HostileRow& row, const HostileOutcome& outcome) {
    if (!outcome.escaped.empty())
        return "escaped: " + outcome.escaped;
    if (row.expected == Expected::kRefused) {
        if (!outcome.refused)
            return "loaded, expected a FileException";
        const std::string opening = "Could not read the document " + outcome.document + ": ";
        if (outcome.message.compare(0, opening.size(), opening) != 0)
            return "message does not name the document";
        if (outcome.message.find(row.fragment) == std::string::npos)
            return "message lacks \"" + row.fragment + "\"";
        if (outcome.errorCode != row.errorCode)
            return "error code " + std::to_string(outcome.errorCode) + ", expected " +
                   std::to_string(row.errorCode);
        return std::string();
    }
    if (outcome.refused)
        return "refused: " + outcome.message;
    for (const std::string& element : row.elements)
        if (CountWithCode(row, outcome, element) == 0)
            return "no \"" + row.fragment + "\" on " + element;
    if (outcome.handedOver != 0)
        return std::to_string(outcome.handedOver) + " value(s) reached the host";
    return std::string();
}

std::string HostileLoad::Summary(const HostileRow& row, const HostileOutcome& outcome) {
    if (!outcome.escaped.empty())
        return outcome.escaped;
    if (outcome.refused)
        return "code " + std::to_string(outcome.errorCode) + ": " + outcome.message;
    for (const XMLLoadDiagnostic& entry : outcome.diagnostics)
        if (DiagnosticCodeName(entry.code) == row.fragment)
            return std::to_string(CountWithCode(row, outcome, std::string())) + " x " +
                   row.fragment + ", first on " + entry.element.Value() + ": " +
                   entry.message.Value();
    return "loaded, " + std::to_string(outcome.diagnostics.size()) + " diagnostic(s)";
}

} // namespace Orvik::Hostile
