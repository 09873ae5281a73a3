#include "loader/ChildSetReader.h"

#include "loader/Dispatcher.h"
#include "loader/ReadContext.h"

#include <string>

namespace Orvik {
namespace {

using xercesc::DOMElement;

ChildSetReader::Entry Failed(const KindRow& row, const DOMElement& element, Place place,
                             ReadContext& context) {
    const bool stops = IsIn(place, row.stopsSetIn);
    context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &element,
                   UTF8String(stops ? "the child could not be read; the rest of the set is left out"
                                    : "the child could not be read and is left out"));
    return ChildSetReader::Entry{UTF8String(), stops};
}

} // namespace

ChildSetReader::Entry ChildSetReader::ReadEntry(const DOMElement& element, Place place,
                                                ReadContext& context) {
    const KindRow* row = KindTable::Find(element.getNodeName(), place);
    if (row == nullptr || !row->Loaded()) {
        context.Report(
            DiagnosticCode::kUnknownChild, DiagnosticSeverity::kInfo, &element,
            UTF8String(std::string(row == nullptr ? "not a child kind of " : "not read yet in ") +
                       KindTable::PlaceName(place) + "; passed over"));
        return Entry{};
    }
    // Entries written inside entries nest as deep as the markup does: an entry that holds
    // more is cut at the bound, so the reading never exhausts the stack.
    const NestingGuard nesting(context.Registry());
    if (nesting.TooDeep() && element.getFirstElementChild() != nullptr) {
        NestingGuard::ReportTooDeep(context, element);
        return Entry{UTF8String(), IsIn(place, row->stopsSetIn)};
    }
    // An entry without an id names nothing.
    if (!element.hasAttribute(u"ID")) {
        context.Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &element,
                       UTF8String("a child without \"ID\" is skipped"));
        return Entry{};
    }
    if (row->take != nullptr) {
        TakeOutcome outcome = row->take(element, context, place);
        if (!outcome.read)
            return Failed(*row, element, place, context);
        return Entry{std::move(outcome.id), false};
    }
    std::unique_ptr<IObject> object = row->create(context);
    if (!row->read(*object, element, context))
        return Failed(*row, element, place, context);
    // The id is taken first: a refused object is gone once the collector has seen it.
    UTF8String id = object->Id();
    if (context.Adopt(std::move(object)) == nullptr)
        return Entry{};
    return Entry{std::move(id), false};
}

} // namespace Orvik
