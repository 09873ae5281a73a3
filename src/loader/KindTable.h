#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Where an element of a kind may stand. Each is one bit, so a row lists all its places at once.
enum class Place : std::uint16_t {
    kTopLevel = 1u << 0,          // a child of the document element, dispatched by id
    kAssembly = 1u << 1,          // an assembly's "ChildSet"
    kPart = 1u << 2,              // a part's "ChildSet"
    kGeometricSet = 1u << 3,      // a geometric set's "ChildSet"
    kExtensionGeometry = 1u << 4, // extension geometry's "ChildSet"
    kSketchPoints = 1u << 5,      // a sketch's "ChildSet"
    kSketchCurves = 1u << 6,      // a sketch's "CurveSet"
    kCallout = 1u << 7,           // an annotation callout's "ChildSet"
    kCalloutElement = 1u << 8,    // a callout element's "ChildSet"
    kAnnotationPlane = 1u << 9,   // a callout's "AnnotationPlane"
    kFeatureOverride = 1u << 10,  // an assembly feature override's "ChildSet"
};
using Places = std::uint16_t;

constexpr Places operator|(Place a, Place b) {
    return static_cast<Places>(static_cast<Places>(a) | static_cast<Places>(b));
}
constexpr Places operator|(Places a, Place b) {
    return static_cast<Places>(a | static_cast<Places>(b));
}
constexpr Places operator|(Place a, Places b) {
    return static_cast<Places>(static_cast<Places>(a) | b);
}
constexpr bool IsIn(Place place, Places places) {
    return (static_cast<Places>(place) & places) != 0;
}
constexpr Places kNowhere = 0;

// What becomes of a top-level element whose object failed to read.
enum class FailurePolicy {
    kKeep,                // added and consumed all the same
    kDestroyAndConsume,   // destroyed; the element counts as done
    kDestroyAndRetryLater // destroyed; the element stays for a later reference; dispatch fails
};

// What a kind that makes, completes or finds its object itself reports.
struct TakeOutcome {
    // False when the element could not be read.
    bool read = false;
    // At the top level: the element is done and never read again.
    bool consumed = true;
    // The object to list as a child; empty when there is none to list.
    UTF8String id;
};

// One element kind: its name, where it may stand, how its object is made and read, and what a
// failure does.
struct KindRow {
    const XMLCh* name;
    Places places;
    // Places where a failed reading of this kind ends the reading of the enclosing child set.
    Places stopsSetIn;
    FailurePolicy topLevelFailure;
    // At the top level an element of this kind without "ID" is skipped. (Child sets skip every
    // entry without one.)
    bool topLevelNeedsId;
    // Kinds made here: an empty object, then its reader.
    std::unique_ptr<IObject> (*create)(ReadContext& context);
    bool (*read)(IObject& object, const xercesc::DOMElement& element, ReadContext& context);
    // Runs once a top-level object is held by the collector.
    void (*afterAdd)(IObject& object, ReadContext& context);
    // Kinds that make, complete or find their object themselves.
    TakeOutcome (*take)(const xercesc::DOMElement& element, ReadContext& context, Place place);

    // A row without functions names a kind read by no reader yet: its elements are left alone.
    bool Loaded() const { return create != nullptr || take != nullptr; }
};

// The create and read of a kind made here from the read context and read by its `Read`.
template <typename Entity>
std::unique_ptr<IObject> CreateOnContext(ReadContext& context) {
    return std::make_unique<Entity>(&context);
}

template <typename Entity>
bool ReadElement(IObject& object, const xercesc::DOMElement& element, ReadContext&) {
    return static_cast<Entity&>(object).Read(&element);
}

struct KindRows {
    const KindRow* rows;
    std::size_t size;
};

// Each subsystem lists its kinds once, beside their readers.
KindRows HierarchyKindRows();
KindRows GeometryKindRows();
KindRows AnnotationKindRows();

// Every element kind of the document, looked up by name.
class KindTable {
public:
    // Null for a name no row has.
    static const KindRow* Find(const XMLCh* name);
    // Null unless the row lists the place.
    static const KindRow* Find(const XMLCh* name, Place place);
    static const std::vector<const KindRow*>& Rows();
    static const char* PlaceName(Place place);
};

} // namespace Orvik
