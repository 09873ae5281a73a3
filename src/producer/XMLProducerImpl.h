#pragma once

#include "loader/ElementRegistry.h"
#include "loader/LoadDiagnostics.h"
#include "loader/ObjectIdMap.h"
#include "loader/ReadContext.h"
#include "loader/SideDataCache.h"
#include "loader/StyleNameTables.h"
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

    // What the readers are given.
    ReadContext& Context() { return m_readContext; }
    const ObjectCollector* Collector() const { return m_collector.get(); }
    const UTF16String& DocumentPath() const { return m_documentPath; }
    bool WantSubdivMeshes() const { return m_wantSubdivMeshes; }
    // The extraction folder of a zipped document, else the document's folder.
    UTF16String SideFileDirectory() const;
    const XMLDocumentLimits& DocumentLimits() const;
    xercesc::XercesDOMParser* Parser() const { return m_parser ? &m_parser->Parser() : nullptr; }
    LoadDiagnostics& Diagnostics() { return m_diagnostics; }
    const LoadDiagnostics& Diagnostics() const { return m_diagnostics; }

private:
    bool Initialize();
    // Throws the FileException that tells the host why the document could not be read.
    [[noreturn]] void ThrowReadFailure() const;
    // Extracts a zipped document and parses it; false with the reason kept.
    bool ReadDocument();
    bool ExtractZipDocument();
    bool ParseDocument();
    void Release();
    // Nothing reads the document once it is loaded: the answer to QueryFile is kept and the
    // DOM freed, so a host holding the model holds the model alone.
    void ReleaseDocument();
    void SelectSubdivMeshes(const IdSet& ids, const FilterOptions* filter);
    UTF16String PropertyFilePath() const;
    bool MayReadPropertyFile(const UTF16String& path);
    void LoadProperties();
    void RaiseMissingFileEvent(const UTF16String& archivePath, const UTF8String& reason) const;
    void RaiseInitializeFailureEvent() const;

    UTF16String m_documentPath;
    // The path as given; a zip archive is read from here even after the path is replaced.
    UTF16String m_givenPath;
    UTF16String m_propertyFileName;
    std::unique_ptr<RootId> m_rootId;
    std::unique_ptr<ObjectCollector> m_collector;
    bool m_initialized = false;
    // The parser platform is set up once and torn down by Release even when parsing failed.
    bool m_platformInitialized = false;
    bool m_zipExtracted = false;
    ObjectIdMap m_ids;
    std::unique_ptr<DocumentParser> m_parser;
    std::unique_ptr<XMLFileQueryResult> m_queryResult;
    StyleNameTables m_styleNames;
    ElementRegistry m_registry;
    SideDataCache m_cache;
    // Kept past EndProcess, so a host can read them after the load; the next load starts anew.
    LoadDiagnostics m_diagnostics;
    ReadContext m_readContext;
    std::unique_ptr<IUniverse> m_universe;
    const EventManager* m_events = nullptr;
    bool m_wantSubdivMeshes = false;
    UTF16String m_zipDirectory;
    // Why the document could not be read, for the exception that reaches the host.
    UTF8String m_failureReason;
    // The error code BeginProcess reports with m_failureReason: 13 for an archive that could not
    // be opened or extracted.
    int m_failureCode = 0;
};

} // namespace Orvik
