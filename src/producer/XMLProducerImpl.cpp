#include "producer/XMLProducerImpl.h"

#include "hierarchy/XMLFileQueryResult.h"
#include "loader/RegularFile.h"
#include "loader/SideFileGate.h"
#include "orvik/api/AssertOption.h"
#include "orvik/api/ExceptionEvent.h"
#include "orvik/api/FileException.h"
#include "orvik/api/GeneralException.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/LocaleHelper.h"
#include "orvik/api/StringUtil.h"
#include "producer/DocumentLoader.h"
#include "xml_util/PropertyReader.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLObject.h"
#include "xml_util/XMLUtils.h"

#include <algorithm>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <string>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLUni.hpp>

namespace Orvik {
namespace {

constexpr int kReporterRole = 2;
constexpr int kMissingFileErrorCode = 13;
constexpr int kMissingFileEventType = 0;
constexpr int kInitializeFailureEventType = 2;
constexpr const char* kSubdivMarkerId = "0C46B962-76AE-431F-AA0C-5F2398F534CE";

// The freed DOM lies below the model in the heap, where the allocator keeps it for reuse;
// handing its pages back lets a host holding a large model hold the model alone.
void ReturnFreedMemory() {
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

UTF8String DescribeCurrentException() {
    try {
        throw;
    } catch (const Exception& e) {
        return e.Message();
    } catch (const xercesc::XMLException& e) {
        return UTF8String(UTF16String(e.getMessage() ? e.getMessage() : u""));
    } catch (const xercesc::OutOfMemoryException&) {
        return UTF8String("the XML parser ran out of memory");
    } catch (const std::exception& e) {
        return UTF8String(e.what());
    } catch (...) {
        return UTF8String("an unknown error");
    }
}

// The reasons are our own texts: a limit, a refused zip entry, or anything else that failed.
DiagnosticCode CodeOfFailure(const UTF8String& reason) {
    const std::string& text = reason.Value();
    if (text.find("limit") != std::string::npos || text.find("deeper than") != std::string::npos ||
        text.find("entity expansions") != std::string::npos)
        return DiagnosticCode::kLimitReached;
    if (text.find("refused") != std::string::npos ||
        text.find("outside the extraction folder") != std::string::npos)
        return DiagnosticCode::kZipEntryRefused;
    return DiagnosticCode::kReadFailed;
}

} // namespace

XMLProducerImpl::XMLProducerImpl(const UTF16String& path, XMLProducerOptions* options)
    : m_documentPath(path)
    , m_givenPath(path)
    , m_collector(std::make_unique<ObjectCollector>())
    , m_readContext(ReadContext::Parts{*m_collector, m_ids, m_registry, m_cache, m_diagnostics,
                                       m_styleNames, options}) {
    m_readContext.SetDocument(m_documentPath, SideFileDirectory());
}

XMLProducerImpl::~XMLProducerImpl() {
    Release();
    // A host that skipped EndProcess must not leave the extracted archive behind.
    XMLUtils::DeleteDirectory(m_zipDirectory);
}

const XMLFileQueryResult* XMLProducerImpl::QueryFile() {
    if (m_queryResult)
        return m_queryResult.get();
    m_queryResult = std::make_unique<XMLFileQueryResult>();
    try {
        if (Initialize())
            m_queryResult->Fill(Parser());
    } catch (...) {
        // QueryFile answers what it has; a failure shows as an unfilled result.
    }
    return m_queryResult.get();
}

void XMLProducerImpl::BeginProcess(const IdSet& ids, const FilterOptions* filter,
                                   const EventManager* events) {
    m_events = events;
    // A load before this one freed its document: read it again.
    if (m_initialized && !m_parser)
        m_initialized = false;
    if (!Initialize())
        ThrowReadFailure();
    SelectSubdivMeshes(ids, filter);
    m_readContext.SetEvents(events);
    m_readContext.SetDocument(m_documentPath, SideFileDirectory());
    m_readContext.SetZipDirectory(m_zipExtracted ? m_zipDirectory : UTF16String());
    try {
        LoadedDocument loaded = DocumentLoader::LoadDocument(Parser()->getDocument(), m_readContext,
                                                             m_wantSubdivMeshes);
        m_universe = std::move(loaded.universe);
        m_rootId = std::move(loaded.rootId);
        if (!loaded.propertyFileName.IsEmpty())
            m_propertyFileName = loaded.propertyFileName;
        LoadProperties();
        ReleaseDocument();
    } catch (const Exception&) {
        throw;
    } catch (...) {
        // Out of memory and library errors reach the host as the documented exception.
        m_failureReason = DescribeCurrentException();
        m_failureCode = 0;
        ThrowReadFailure();
    }
}

void XMLProducerImpl::ThrowReadFailure() const {
    RunAssertionHook();
    FileException error(UTF8String("Could not read the document " + m_documentPath.ToUTF8() + ": " +
                                   m_failureReason.Value()));
    error.SetErrorCode(m_failureCode);
    error.SetFileName(m_documentPath);
    error.SetReporter(kReporterRole);
    throw error;
}

UTF16String XMLProducerImpl::PropertyFilePath() const {
    if (m_propertyFileName.IsEmpty())
        return StringUtil::ReplaceExtension(m_documentPath, UTF16String(PropertyProtocalBufferExt));
    return IOUtil::AppendFilePath(StringUtil::ExtractBranchPath(m_documentPath),
                                  m_propertyFileName);
}

// A property file the document names passed the side-file gate with its section; the one
// beside the document by default passes it here.
bool XMLProducerImpl::MayReadPropertyFile(const UTF16String& path) {
    if (!m_propertyFileName.IsEmpty())
        return true;
    SideFileRequest request;
    request.what = "property file";
    request.kind = "PropertyInfo";
    request.written = path;
    UTF16String checked;
    return SideFileGate::Admit(m_readContext, request, checked) == SideFileVerdict::kAdmitted;
}

// Each property goes to the universe's database and to the object it names.
void XMLProducerImpl::LoadProperties() {
    const UTF16String path = PropertyFilePath();
    if (!MayReadPropertyFile(path))
        return;
    const PropertyReader reader(
        path, m_collector.get(),
        std::min(PropertyReader::kDefaultMaxFileBytes, DocumentLimits().maxSideFileBytes));
    if (!reader.Failure().IsEmpty())
        m_readContext.Report(DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kError,
                             nullptr, reader.Failure());
    PropertyDatabase* database = m_universe ? m_universe->PropertyDatabase() : nullptr;
    for (std::size_t index = 0; index < reader.PropertyCount(); ++index) {
        RunAssertionHook();
        const Property& property = reader.PropertyAt(index);
        if (database)
            database->AddProperty(property);
        if (auto* object = dynamic_cast<XMLObject*>(m_collector->QueryObject(property.ObjectId())))
            object->AddProperty(property);
    }
}

void XMLProducerImpl::SelectSubdivMeshes(const IdSet& ids, const FilterOptions* filter) {
    // A host that gives no filter wants nothing beyond the defaults.
    if (filter == nullptr || !filter->WantSubdivMesh())
        return;
    const UTF8String marker(kSubdivMarkerId);
    for (const UTF8String& id : ids) {
        if (id == marker) {
            m_wantSubdivMeshes = true;
            return;
        }
    }
}

RootId XMLProducerImpl::RootObjectId() const {
    if (!m_rootId) {
        RunAssertionHook();
        GeneralException error(UTF8String("Could not find the root object id."));
        error.SetReporter(kReporterRole);
        throw error;
    }
    return *m_rootId;
}

IObject* XMLProducerImpl::Load(const UTF8String& id) const {
    RunAssertionHook();
    return m_collector->QueryObject(id);
}

void XMLProducerImpl::Dispose(const UTF8String& id) {
    RunAssertionHook();
    m_collector->Dispose(id);
}

void XMLProducerImpl::EndProcess() {
    Release();
    XMLUtils::DeleteDirectory(m_zipDirectory);
    m_zipDirectory = UTF16String();
}

void XMLProducerImpl::SetNewObjectIdPrefix(const UTF8String& prefix) {
    m_ids.SetPrefix(prefix);
}

UTF16String XMLProducerImpl::SideFileDirectory() const {
    if (m_zipExtracted)
        return m_zipDirectory;
    return StringUtil::ExtractBranchPath(m_documentPath);
}

const XMLDocumentLimits& XMLProducerImpl::DocumentLimits() const {
    return SideFileGate::Limits(m_readContext);
}

bool XMLProducerImpl::Initialize() {
    if (m_initialized)
        return true;
    m_diagnostics.Clear();
    m_failureCode = 0;
    if (!ReadDocument()) {
        m_diagnostics.Record(
            CodeOfFailure(m_failureReason), DiagnosticSeverity::kError,
            UTF8String("the document could not be read: " + m_failureReason.Value()));
        return false;
    }
    m_initialized = true;
    return true;
}

bool XMLProducerImpl::ReadDocument() {
    if (!ExtractZipDocument())
        return false;
    LocaleHelper classicLocale{UTF8String()};
    if (!m_platformInitialized) {
        try {
            xercesc::XMLPlatformUtils::Initialize(xercesc::XMLUni::fgXercescDefaultLocale);
        } catch (...) {
            m_failureReason = DescribeCurrentException();
            RaiseInitializeFailureEvent();
            return false;
        }
        m_platformInitialized = true;
    }
    return ParseDocument();
}

bool XMLProducerImpl::ExtractZipDocument() {
    // Once extracted, a later attempt parses the extracted document again.
    if (m_zipExtracted)
        return true;
    UTF16String archivePath = m_givenPath;
    try {
        UTF16String zipDirectory;
        UTF16String documentPath = m_documentPath;
        if (!XMLUtils::ComposeZipDirectoryAndXMLFileName(archivePath, zipDirectory, documentPath))
            return true;
        const std::string unusable = RegularFile::Check(archivePath);
        if (!unusable.empty()) {
            m_failureReason = UTF8String("the archive " + unusable);
            m_failureCode = kMissingFileErrorCode;
            RaiseMissingFileEvent(archivePath, m_failureReason);
            return false;
        }
        UTF16String extractedPath;
        XMLUtils::ExtractFromZipFile(archivePath, zipDirectory, extractedPath, DocumentLimits());
        m_zipDirectory = zipDirectory;
        m_zipExtracted = true;
        if (!extractedPath.IsEmpty())
            m_documentPath = extractedPath;
        return true;
    } catch (...) {
        m_failureReason = DescribeCurrentException();
        m_failureCode = kMissingFileErrorCode;
        RaiseMissingFileEvent(archivePath, m_failureReason);
        return false;
    }
}

bool XMLProducerImpl::ParseDocument() {
    try {
        m_parser.reset();
        m_parser = std::make_unique<DocumentParser>(DocumentLimits());
        if (m_parser->Parse(m_documentPath))
            return true;
        m_failureReason = m_parser->FailureReason();
        return false;
    } catch (...) {
        m_failureReason = DescribeCurrentException();
        RaiseInitializeFailureEvent();
        return false;
    }
}

void XMLProducerImpl::ReleaseDocument() {
    // Answered now, while the document is there, and kept.
    QueryFile();
    m_registry.ForgetElements();
    m_parser.reset();
    ReturnFreedMemory();
}

void XMLProducerImpl::Release() {
    m_rootId.reset();
    // The collector stays, empty: the read context refers to it.
    m_collector->Destroy();
    m_queryResult.reset();
    m_cache.Clear();
    m_registry.Clear();
    m_universe.reset();
    m_parser.reset();
    if (m_platformInitialized) {
        xercesc::XMLPlatformUtils::Terminate();
        m_platformInitialized = false;
    }
    if (m_initialized) {
        m_readContext.ClearHistoryStream();
        m_initialized = false;
    }
}

void XMLProducerImpl::RaiseMissingFileEvent(const UTF16String& archivePath,
                                            const UTF8String& reason) const {
    if (m_events == nullptr)
        return;
    FileException error(
        UTF8String("Could not open the archive " + archivePath.ToUTF8() + ": " + reason.Value()));
    error.SetErrorCode(kMissingFileErrorCode);
    error.SetFileName(archivePath);
    error.SetReporter(kReporterRole);
    const ExceptionEvent event(error, kMissingFileEventType);
    m_events->RaiseExceptionEvent(event);
}

void XMLProducerImpl::RaiseInitializeFailureEvent() const {
    if (m_events == nullptr)
        return;
    GeneralException error(UTF8String("XMLProducerImpl::Initialize due to exceptions thrown!"));
    error.SetReporter(kReporterRole);
    const ExceptionEvent event(error, kInitializeFailureEventType);
    m_events->RaiseExceptionEvent(event);
}

} // namespace Orvik
