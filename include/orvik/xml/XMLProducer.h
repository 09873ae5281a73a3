#pragma once

#include "orvik/api/IProducer.h"
#include "orvik/api/UTF16String.h"
#include "orvik/xml/XMLLoadDiagnostic.h"
#include "orvik/xml/XMLProducerOptions.h"

#include <functional>
#include <memory>
#include <vector>

namespace Orvik {

class XMLProducerImpl;

// Loads one XML interchange document (an XML file, or a zip archive holding it and its side
// files) into objects. Call QueryFile or BeginProcess, then RootObjectId, LoadUniverse and Load;
// end with EndProcess.
class XMLProducer : public IProducer {
public:
    XMLProducer(const UTF16String& path, XMLProducerOptions* options);
    ~XMLProducer() override;
    XMLProducer(const XMLProducer&) = delete;
    XMLProducer& operator=(const XMLProducer&) = delete;

    const FileQueryResult* QueryFile() override;
    RootId RootObjectId() const override;
    const IUniverse* LoadUniverse() override;
    const ProducerWorkdata* WorkdataForAnalytics() override;
    IObject* Load(const UTF8String& id) override;
    void Dispose(const UTF8String& id) override;
    void BeginProcess(const IdSet& ids, const FilterOptions* filter,
                      const EventManager* events) override;
    void EndProcess() override;
    void WorkflowId(const UTF8String& id) override;
    UTF8String SerializedJournalString() const override;
    IsValueSpecifiedEnum ParseSerializedJournalString(const UTF8String& text) override;

    // Objects get new ids: the prefix followed by a running number from 1.
    void SetNewObjectIdPrefix(const UTF8String& prefix);

    // Every object the load holds, in the order they were created (for tools that list all).
    void ForEachObject(const std::function<void(IObject&)>& visit) const;

    // What the last QueryFile or BeginProcess skipped, refused or mended, in the order met.
    const std::vector<XMLLoadDiagnostic>& Diagnostics() const;

private:
    std::unique_ptr<XMLProducerImpl> m_impl;
};

} // namespace Orvik
