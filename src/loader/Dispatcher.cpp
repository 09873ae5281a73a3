#include "loader/Dispatcher.h"

#include "loader/KindTable.h"
#include "loader/ReadContext.h"

#include <string>

namespace Orvik {
namespace {

using State = ElementRegistry::State;

void ReportFailure(ReadContext& context, const ElementRegistry::Entry& entry) {
    context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, entry.element,
                   UTF8String("the element could not be read; no object was made of it"));
}

bool DispatchTaken(const KindRow& row, ReadContext& context, ElementRegistry::Entry& entry) {
    const TakeOutcome outcome = row.take(*entry.element, context, Place::kTopLevel);
    entry.state = outcome.consumed ? State::kConsumed : State::kPending;
    return outcome.read;
}

bool DispatchCreated(const KindRow& row, ReadContext& context, ElementRegistry::Entry& entry) {
    std::unique_ptr<IObject> object = row.create(context);
    const bool read = row.read(*object, *entry.element, context);
    if (!read)
        ReportFailure(context, entry);
    if (read || row.topLevelFailure == FailurePolicy::kKeep) {
        entry.state = State::kConsumed;
        // A refused newcomer (its id is held already) is destroyed by the collector.
        IObject* held = context.Adopt(std::move(object));
        if (held != nullptr && row.afterAdd != nullptr)
            row.afterAdd(*held, context);
        return true;
    }
    object.reset();
    if (row.topLevelFailure == FailurePolicy::kDestroyAndConsume) {
        entry.state = State::kConsumed;
        return true;
    }
    entry.state = State::kPending;
    return false;
}

} // namespace

void NestingGuard::ReportTooDeep(ReadContext& context, const xercesc::DOMElement& element) {
    context.Report(DiagnosticCode::kLimitReached, DiagnosticSeverity::kWarning, &element,
                   UTF8String("references and sets nest more than " +
                              std::to_string(Dispatcher::kMaxNestingDepth) +
                              " levels deep here; an element referenced by id is read "
                              "later on its own, an entry written inside a set is left out "
                              "with what it holds"));
}

NestingGuard::NestingGuard(ElementRegistry& registry)
    : m_depth(++registry.NestingDepth()) {}

NestingGuard::~NestingGuard() {
    --m_depth;
}

bool Dispatcher::Dispatch(ReadContext& context, ElementRegistry::Entry& entry) {
    if (entry.element == nullptr || entry.state != State::kPending)
        return false;
    const KindRow& row = *entry.kind;
    if (!row.Loaded())
        return true;
    const NestingGuard depth(context.Registry());
    // Too deep to read now: the entry stays pending and the loading pass reads it later, so
    // the parent keeps the id.
    if (depth.TooDeep()) {
        NestingGuard::ReportTooDeep(context, *entry.element);
        return true;
    }
    // Recorded when the element was registered.
    if (row.topLevelNeedsId && !entry.element->hasAttribute(u"ID")) {
        entry.state = State::kConsumed;
        return true;
    }
    entry.state = State::kReading;
    return row.take ? DispatchTaken(row, context, entry) : DispatchCreated(row, context, entry);
}

bool Dispatcher::DispatchById(ReadContext& context, const UTF8String& id) {
    ElementRegistry::Entry* entry = context.Registry().Find(id);
    return entry == nullptr || Dispatch(context, *entry);
}

void Dispatcher::DispatchAll(ReadContext& context) {
    for (auto& [id, entry] : context.Registry().Elements())
        if (entry.state == State::kPending)
            Dispatch(context, entry);
}

} // namespace Orvik
