#include "annotation/XMLAnnotationCallout.h"
#include "annotation/XMLAnnotationCalloutElement.h"
#include "loader/KindTable.h"

#include <array>

namespace Orvik {
namespace {

template <typename Entity>
constexpr KindRow Annotation(const XMLCh* name, Places places, Places stopsSetIn) {
    return KindRow{name,
                   places,
                   stopsSetIn,
                   FailurePolicy::kDestroyAndConsume,
                   false,
                   CreateOnContext<Entity>,
                   ReadElement<Entity>,
                   nullptr,
                   nullptr};
}

// Callout elements stand at the top level too, so that one written there is not lost.
const std::array<KindRow, 2> kRows{{
    Annotation<XMLAnnotationCallout>(u"IAnnotationCallout",
                                     Place::kTopLevel | Place::kAssembly | Place::kPart,
                                     static_cast<Places>(Place::kPart)),
    Annotation<XMLAnnotationCalloutElement>(u"IAnnotationCalloutElement",
                                            Place::kTopLevel | Place::kCallout,
                                            static_cast<Places>(Place::kCallout)),
}};

} // namespace

KindRows AnnotationKindRows() {
    return KindRows{kRows.data(), kRows.size()};
}

} // namespace Orvik
