#include "orvik/xml/XMLProducer.h"

#include "hierarchy/XMLFileQueryResult.h"
#include "producer/XMLProducerImpl.h"

namespace Orvik {

XMLProducer::XMLProducer(const UTF16String& path, XMLProducerOptions* options)
    : m_impl(std::make_unique<XMLProducerImpl>(path, options)) {}

XMLProducer::~XMLProducer() = default;

const FileQueryResult* XMLProducer::QueryFile() {
    return m_impl->QueryFile();
}

RootId XMLProducer::RootObjectId() const {
    return m_impl->RootObjectId();
}

const IUniverse* XMLProducer::LoadUniverse() {
    return m_impl->LoadUniverse();
}

const ProducerWorkdata* XMLProducer::WorkdataForAnalytics() {
    return nullptr;
}

IObject* XMLProducer::Load(const UTF8String& id) {
    return m_impl->Load(id);
}

void XMLProducer::Dispose(const UTF8String& id) {
    m_impl->Dispose(id);
}

void XMLProducer::BeginProcess(const IdSet& ids, const FilterOptions* filter,
                               const EventManager* events) {
    m_impl->BeginProcess(ids, filter, events);
}

void XMLProducer::EndProcess() {
    m_impl->EndProcess();
}

void XMLProducer::WorkflowId(const UTF8String&) {}

UTF8String XMLProducer::SerializedJournalString() const {
    return IProducer::SerializedJournalString();
}

IsValueSpecifiedEnum XMLProducer::ParseSerializedJournalString(const UTF8String& text) {
    return IProducer::ParseSerializedJournalString(text);
}

void XMLProducer::SetNewObjectIdPrefix(const UTF8String& prefix) {
    m_impl->SetNewObjectIdPrefix(prefix);
}

void XMLProducer::ForEachObject(const std::function<void(IObject&)>& visit) const {
    if (const ObjectCollector* collector = m_impl->Collector())
        collector->ForEach(visit);
}

const std::vector<XMLLoadDiagnostic>& XMLProducer::Diagnostics() const {
    return m_impl->Diagnostics().Entries();
}

} // namespace Orvik
