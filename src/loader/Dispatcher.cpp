#include "loader/Dispatcher.h"

#include "loader/DispatchTable.h"
#include "orvik/api/ObjectCollector.h"
#include "producer/XMLProducerImpl.h"

namespace Orvik {
namespace {

class DepthGuard {
public:
    explicit DepthGuard(unsigned& depth)
        : m_depth(++depth) {}
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    bool TooDeep() const { return m_depth > Dispatcher::kMaxDispatchDepth; }

private:
    unsigned& m_depth;
};

bool DispatchHandled(const DispatchRow& row, ElementRegistry& registry,
                     ElementRegistry::Entry& entry) {
    const HandlerResult outcome = row.handle(*entry.element, registry);
    entry.state =
        outcome.consumed ? ElementRegistry::State::kConsumed : ElementRegistry::State::kPending;
    return outcome.result;
}

bool DispatchCreated(const DispatchRow& row, ElementRegistry& registry,
                     ElementRegistry::Entry& entry) {
    XMLProducerImpl& context = *registry.Context();
    std::unique_ptr<IObject> object = row.create(context);
    const bool read = row.read(*object, *entry.element, registry);
    if (read || row.onFailure == FailurePolicy::kKeep) {
        IObject* held = object.get();
        entry.state = ElementRegistry::State::kConsumed;
        // A refused newcomer (its id is held already) is destroyed by the collector.
        if (context.Collector()->AddObject(std::move(object)) && row.afterAdd)
            row.afterAdd(*held, registry);
        return true;
    }
    object.reset();
    if (row.onFailure == FailurePolicy::kDestroyAndConsume) {
        entry.state = ElementRegistry::State::kConsumed;
        return true;
    }
    entry.state = ElementRegistry::State::kPending;
    return false;
}

} // namespace

bool Dispatcher::Dispatch(ElementRegistry& registry, ElementRegistry::Entry& entry) {
    if (entry.element == nullptr || entry.state != ElementRegistry::State::kPending)
        return false;
    const DispatchRow* row = DispatchTable::Find(entry.element->getNodeName());
    if (row == nullptr || (row->create == nullptr && row->handle == nullptr))
        return true;
    const DepthGuard depth(registry.DispatchDepth());
    // Too deep to read now: the entry stays pending and the loading pass reads it later, so
    // the parent keeps the id.
    if (depth.TooDeep())
        return true;
    if (row->requiresId && !entry.element->hasAttribute(u"ID")) {
        entry.state = ElementRegistry::State::kConsumed;
        return true;
    }
    entry.state = ElementRegistry::State::kReading;
    return row->handle ? DispatchHandled(*row, registry, entry)
                       : DispatchCreated(*row, registry, entry);
}

bool Dispatcher::DispatchById(ElementRegistry& registry, const UTF8String& id) {
    ElementRegistry::Entry* entry = registry.Find(id);
    return entry == nullptr || Dispatch(registry, *entry);
}

void Dispatcher::DispatchAll(ElementRegistry& registry) {
    for (auto& [id, entry] : registry.Elements())
        if (entry.state == ElementRegistry::State::kPending)
            Dispatch(registry, entry);
}

} // namespace Orvik
