#pragma once

#include "loader/LoadDiagnostics.h"
#include "loader/ObjectIdMap.h"
#include "loader/SideFileGate.h"
#include "orvik/api/IObject.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "veld/VeldHistoryUtil.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ElementRegistry;
class EventManager;
class IDomainProjectContext;
class ObjectCollector;
class SideDataCache;
class StyleNameTables;
class XMLProducerOptions;

// What the object named by a reference came to.
struct ReferenceOutcome {
    // The id the object is known by (the new id under a prefix).
    UTF8String id;
    // Null when no object has the id (yet).
    IObject* object = nullptr;
    // Its element waits in the registry, too deep to read now; the loading pass reads it later.
    bool deferred = false;
    // The element's dispatch did not fail (true when no element has the id).
    bool dispatched = true;
};

// What every reader of the document is given: ids with the prefix applied, references
// resolved, objects handed to the collector, the side tables, the side-file folder and the
// diagnostics of the load.
class ReadContext {
public:
    struct Parts {
        ObjectCollector& collector;
        ObjectIdMap& ids;
        ElementRegistry& registry;
        SideDataCache& cache;
        LoadDiagnostics& diagnostics;
        const StyleNameTables& styleNames;
        const XMLProducerOptions* options;
    };

    explicit ReadContext(const Parts& parts);

    // Set by the producer once the document is known (a zip archive is extracted first).
    void SetDocument(const UTF16String& documentPath, const UTF16String& sideFileDirectory);
    void SetEvents(const EventManager* events) { m_events = events; }
    void SetAnimationFilePath(const UTF16String& path) { m_animationFilePath = path; }
    // The folder a zipped document was extracted into; empty for a document read in place.
    void SetZipDirectory(const UTF16String& folder) { m_zipDirectory = folder; }
    // The universe's project context while the load reads objects; null without one.
    void SetDomainProjectContext(const IDomainProjectContext* context) {
        m_domainProjectContext = context;
    }
    const IDomainProjectContext* DomainProjectContext() const { return m_domainProjectContext; }

    // Ids. An element's own id, and the id a reference names, get the same new id under a
    // prefix, whichever is met first.
    UTF8String OwnId(const xercesc::DOMElement& element);
    UTF8String ReferenceId(const UTF8String& documentId);
    bool HasIdPrefix() const { return m_parts.ids.Active(); }

    // References. An object not held yet is made now from its element when it waits in the
    // registry; a reference that names nothing made is recorded as unresolved.
    ReferenceOutcome Require(const xercesc::DOMElement& reference, const UTF8String& documentId);
    // Only objects held already, and no new id is given: false when the reference names none.
    bool ResolveHeld(const UTF8String& documentId, UTF8String& finalId) const;
    // A container's "Child": only objects held already when the container is read, never made
    // on demand, so what a container lists does not hang on the order of ids. A reference that
    // names none is recorded with its id.
    bool ResolveChild(const xercesc::DOMElement& reference, UTF8String& finalId);

    // Objects.
    IObject* Find(const UTF8String& id) const;
    bool Holds(const UTF8String& id) const;
    // Null when the collector refused the object (its id is held already); it is gone then.
    IObject* Adopt(std::unique_ptr<IObject> object);
    const ObjectCollector& Collector() const { return m_parts.collector; }

    // Loading.
    ElementRegistry& Registry() { return m_parts.registry; }
    SideDataCache& Cache() { return m_parts.cache; }
    const UTF16String& DocumentPath() const { return m_documentPath; }
    const UTF16String& SideFileDirectory() const { return m_sideFileDirectory; }
    const UTF16String& AnimationFilePath() const { return m_animationFilePath; }
    const UTF16String& ZipDirectory() const { return m_zipDirectory; }
    // Whether a path lies inside the side-file folder or the extraction folder, with no link on
    // the way down to it.
    bool LiesInsideDocumentFolders(const UTF16String& path) const;
    const StyleNameTables& StyleNames() const { return m_parts.styleNames; }
    const XMLProducerOptions* Options() const { return m_parts.options; }
    const EventManager* Events() const { return m_events; }
    // What the side files of this load have used; a new document starts anew.
    SideFileBudget& SideFiles() { return m_sideFiles; }
    HistoryStreamHandle HistoryStream();
    // Ends the kernel history of the load.
    void ClearHistoryStream();

    void Report(DiagnosticCode code, DiagnosticSeverity severity,
                const xercesc::DOMElement* element, const UTF8String& message) {
        m_parts.diagnostics.Record(code, severity, element, message);
    }
    LoadDiagnostics& Diagnostics() { return m_parts.diagnostics; }

private:
    Parts m_parts;
    const EventManager* m_events = nullptr;
    const IDomainProjectContext* m_domainProjectContext = nullptr;
    UTF16String m_documentPath;
    UTF16String m_sideFileDirectory;
    UTF16String m_animationFilePath;
    UTF16String m_zipDirectory;
    SideFileBudget m_sideFiles;
    HistoryStreamHandle m_historyStream;
};

} // namespace Orvik
