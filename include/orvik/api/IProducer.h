#pragma once

#include "orvik/api/EventManager.h"
#include "orvik/api/FileQueryResult.h"
#include "orvik/api/FilterOptions.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IUniverse.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/RootId.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

class ParameterUtility;
class ProducerWorkdata;

// A module that turns one document into objects. Operations in the framework's slot order.
class IProducer {
public:
    virtual ~IProducer() = default;
    virtual const FileQueryResult* QueryFile() = 0;
    virtual RootId RootObjectId() const = 0;
    virtual const IUniverse* LoadUniverse() = 0;
    virtual const ParameterUtility* LoadParameterUtility() { return nullptr; }
    virtual const ProducerWorkdata* WorkdataForAnalytics() = 0;
    virtual IObject* Load(const UTF8String& id) = 0;
    virtual void Unload(const UTF8String&) {}
    virtual void Dispose(const UTF8String& id) = 0;
    virtual void BeginProcess(const IdSet& ids, const FilterOptions* filter,
                              const EventManager* events) = 0;
    virtual void EndProcess() = 0;
    virtual void WorkflowId(const UTF8String& id) = 0;
    // The framework keeps no journal by default: an empty text, and nothing parsed.
    virtual UTF8String SerializedJournalString() const { return UTF8String(); }
    virtual IsValueSpecifiedEnum ParseSerializedJournalString(const UTF8String&) {
        return IsValueSpecifiedEnum::kUnspecified;
    }
};

} // namespace Orvik
