#pragma once

#include "loader/ElementRegistry.h"
#include "loader/LoadDiagnostics.h"
#include "loader/SideDataCache.h"
#include "orvik/api/EventManager.h"
#include "orvik/api/FilterOptions.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IUniverse.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/ObjectCollector.h"
#include "orvik/api/RootId.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/DocumentParser.h"
#include "producer/StyleNameTables.h"
#include "veld/VeldHistoryUtil.h"

#include <cstdint>
#include <map>
#include <memory>
#include <xercesc/parsers/XercesDOMParser.hpp>

namespace Orvik {

class XMLFileQueryResult;

// The producer's state and the context every reader of the document receives.
class XMLProducerImpl {
public:
    XMLProducerImpl(const UTF16String& path, XMLProducerOptions* options);
    ~XMLProducerImpl();
    XMLProducerImpl(const XMLProducerImpl&) = delete;
    XMLProducerImpl& operator=(const XMLProducerImpl&) = delete;

    // The host's operations.
    const XMLFileQueryResult* QueryFile();
    void BeginProcess(const IdSet& ids, const FilterOptions* filter, const EventManager* events);
    RootId RootObjectId() const;
    const IUniverse* LoadUniverse() const { return m_universe.get(); }
    IObject* Load(const UTF8String& id) const;
    void Dispose(const UTF8String& id);
    void EndProcess();
    void SetNewObjectIdPrefix(const UTF8String& prefix);

    // The context of the readers.
    UTF16String SideFileDirectory() const;
    bool HasIdPrefix() const { return m_idPrefixActive; }
    bool MapObjectId(const UTF8String& elementId, UTF8String& newId);
    bool ResolveObjectId(const UTF8String& referenceId, UTF8String& finalId) const;
    IObject* FindObject(const UTF8String& id) const { return Load(id); }
    HistoryStreamHandle HistoryStream();
    UTF16String AnimationFilePath() const { return m_animationFilePath; }
    const StyleNameTables& StyleNames() const { return m_styleNames; }
    ObjectCollector* Collector() const { return m_collector.get(); }
    const XMLProducerOptions* Options() const { return m_options; }
    const EventManager* Events() const { return m_events; }
    bool WantSubdivMeshes() const { return m_wantSubdivMeshes; }
    const UTF16String& DocumentPath() const { return m_documentPath; }
    xercesc::XercesDOMParser* Parser() const { return m_parser ? &m_parser->Parser() : nullptr; }
    ElementRegistry& Registry() { return m_registry; }
    SideDataCache& Cache() { return m_cache; }
    LoadDiagnostics& Diagnostics() { return m_diagnostics; }
    const LoadDiagnostics& Diagnostics() const { return m_diagnostics; }

    // Set by the loading driver.
    void SetPropertyFileName(const UTF16String& name);
    void SetAnimationFilePath(const UTF16String& path) { m_animationFilePath = path; }
    void SetUniverse(std::unique_ptr<IUniverse> universe) { m_universe = std::move(universe); }
    void SetRootId(const RootId& rootId) { m_rootId = std::make_unique<RootId>(rootId); }

private:
    bool Initialize();
    bool ExtractZipDocument();
    bool ParseDocument();
    void Release();
    void SelectSubdivMeshes(const IdSet& ids, const FilterOptions* filter);
    UTF16String PropertyFilePath() const;
    void LoadProperties();
    void RaiseMissingFileEvent(const UTF16String& archivePath, const UTF8String& reason) const;
    void RaiseInitializeFailureEvent() const;

    UTF16String m_documentPath;
    // The path as given; a zip archive is read from here even after the path is replaced.
    UTF16String m_givenPath;
    UTF16String m_propertyFileName;
    UTF16String m_animationFilePath;
    std::unique_ptr<RootId> m_rootId;
    std::unique_ptr<ObjectCollector> m_collector;
    XMLProducerOptions* m_options;
    HistoryStreamHandle m_historyStream;
    bool m_initialized = false;
    // The parser platform is set up once and torn down by Release even when parsing failed.
    bool m_platformInitialized = false;
    bool m_zipExtracted = false;
    std::uint32_t m_idCounter = 0;
    bool m_idPrefixActive = false;
    UTF8String m_idPrefix;
    std::unique_ptr<std::map<UTF8String, UTF8String>> m_idMap;
    std::unique_ptr<DocumentParser> m_parser;
    std::unique_ptr<XMLFileQueryResult> m_queryResult;
    StyleNameTables m_styleNames;
    ElementRegistry m_registry;
    SideDataCache m_cache;
    // Kept past EndProcess, so a host can read them after the load; the next load starts anew.
    LoadDiagnostics m_diagnostics;
    std::unique_ptr<IUniverse> m_universe;
    const EventManager* m_events = nullptr;
    bool m_wantSubdivMeshes = false;
    UTF16String m_zipDirectory;
    // Why the document could not be read, for the exception that reaches the host.
    UTF8String m_failureReason;
};

} // namespace Orvik
