#include "loader/ReadContext.h"

#include "loader/Dispatcher.h"
#include "loader/ElementRegistry.h"
#include "loader/SideFileLocation.h"
#include "orvik/api/ObjectCollector.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {

ReadContext::ReadContext(const Parts& parts)
    : m_parts(parts) {}

void ReadContext::SetDocument(const UTF16String& documentPath,
                              const UTF16String& sideFileDirectory) {
    m_documentPath = documentPath;
    m_sideFileDirectory = sideFileDirectory;
    m_sideFiles = SideFileBudget();
}

bool ReadContext::LiesInsideDocumentFolders(const UTF16String& path) const {
    return SideFileLocation::LiesInsideFolder(m_sideFileDirectory, path) ||
           SideFileLocation::LiesInsideFolder(m_zipDirectory, path);
}

UTF8String ReadContext::OwnId(const xercesc::DOMElement& element) {
    return m_parts.ids.Map(XMLStrUtil::XMLStrToAStr(element.getAttribute(u"ID")));
}

UTF8String ReadContext::ReferenceId(const UTF8String& documentId) {
    return m_parts.ids.Map(documentId);
}

ReferenceOutcome ReadContext::Require(const xercesc::DOMElement& reference,
                                      const UTF8String& documentId) {
    ReferenceOutcome outcome;
    outcome.id = m_parts.ids.Map(documentId);
    outcome.object = m_parts.collector.QueryObject(outcome.id);
    if (outcome.object != nullptr)
        return outcome;
    // The registry knows elements by the id they are written with.
    outcome.dispatched = Dispatcher::DispatchById(*this, documentId);
    outcome.object = m_parts.collector.QueryObject(outcome.id);
    if (outcome.object == nullptr && outcome.dispatched) {
        const ElementRegistry::Entry* entry = m_parts.registry.Find(documentId);
        outcome.deferred = entry != nullptr && entry->state == ElementRegistry::State::kPending;
    }
    if (outcome.object == nullptr && !outcome.deferred)
        Report(DiagnosticCode::kUnresolvedReference, DiagnosticSeverity::kWarning, &reference,
               UTF8String("no object was made for the id \"" + documentId.Value() + "\""));
    return outcome;
}

bool ReadContext::ResolveHeld(const UTF8String& documentId, UTF8String& finalId) const {
    finalId = documentId;
    if (m_parts.ids.Active() && !m_parts.ids.Find(documentId, finalId))
        return false;
    return m_parts.collector.HasObject(finalId);
}

bool ReadContext::ResolveChild(const xercesc::DOMElement& reference, UTF8String& finalId) {
    const UTF8String documentId(UTF16String(reference.getAttribute(u"ID")));
    if (ResolveHeld(documentId, finalId))
        return true;
    Report(DiagnosticCode::kUnresolvedReference, DiagnosticSeverity::kWarning, &reference,
           UTF8String("no object with the id \"" + documentId.Value() +
                      "\" was read before its container; the reference adds nothing"));
    finalId = UTF8String();
    return false;
}

IObject* ReadContext::Find(const UTF8String& id) const {
    return m_parts.collector.QueryObject(id);
}

bool ReadContext::Holds(const UTF8String& id) const {
    return m_parts.collector.HasObject(id);
}

IObject* ReadContext::Adopt(std::unique_ptr<IObject> object) {
    IObject* held = object.get();
    return m_parts.collector.AddObject(std::move(object)) ? held : nullptr;
}

HistoryStreamHandle ReadContext::HistoryStream() {
    if (!m_historyStream)
        m_historyStream = VeldHistoryUtil::CreateHistoryStream();
    return m_historyStream;
}

void ReadContext::ClearHistoryStream() {
    VeldHistoryUtil::Clear(m_historyStream);
}

} // namespace Orvik
