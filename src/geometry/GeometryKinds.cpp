#include "geometry/BrepElementParser.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/PolygonMeshElementReader.h"
#include "geometry/XMLCoordSys.h"
#include "geometry/XMLExtensionGeometry.h"
#include "geometry/XMLGeometricSet.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLPointCloud.h"
#include "geometry/XMLSketch.h"
#include "geometry/XMLWorkAxis.h"
#include "geometry/XMLWorkPlane.h"
#include "geometry/XMLWorkPoint.h"
#include "loader/KindTable.h"
#include "loader/ReadContext.h"
#include "loader/SideDataCache.h"

#include <array>

namespace Orvik {
namespace {

using xercesc::DOMElement;

constexpr Places kSets = Place::kGeometricSet | Place::kExtensionGeometry;
constexpr Places kComponents = Place::kAssembly | Place::kPart;
constexpr Places kAnywhereButSketches = Place::kTopLevel | kComponents | kSets;

// The brep reader makes and registers its brep itself; a brep whose id is held is no failure.
TakeOutcome TakeBrep(const DOMElement& element, ReadContext& context, Place) {
    TakeOutcome outcome;
    outcome.read = BrepElementParser::ParseBrepElement(context, &element,
                                                       context.Cache().bodiesByDxid, outcome.id);
    return outcome;
}

// A mesh read from side files is completed and registered by its element. At the top level an
// element without a mesh creates nothing and is done all the same.
TakeOutcome TakeMesh(const DOMElement& element, ReadContext& context, Place place) {
    TakeOutcome outcome;
    outcome.read = PolygonMeshElementReader::ParsePolygonMeshElement(
        context, &element, context.Cache().meshesById, outcome.id);
    if (!outcome.read && place == Place::kTopLevel) {
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kInfo, &element,
                       UTF8String("no mesh of the side files has this id; nothing is made"));
        outcome.read = true;
    }
    return outcome;
}

// The curve kinds differ by place: the dispatcher's curve rule at the top level, a stream or
// kernel curve in components and sets, kernel curves only in a sketch.
TakeOutcome TakeCurve(const DOMElement& element, ReadContext& context, Place place) {
    TakeOutcome outcome;
    const ExternalGeometryTables tables = context.Cache().GeometryTables();
    switch (place) {
    case Place::kTopLevel: {
        const auto dispatched = CurveElementReaders::DispatchCurve(context, element, tables);
        outcome.read = dispatched.result;
        outcome.consumed = dispatched.consumed;
        break;
    }
    case Place::kAssembly:
    case Place::kPart:
        if (IObject* curve = CurveElementReaders::ReadChildCurve(context, element, tables)) {
            outcome.read = true;
            outcome.id = curve->Id();
        }
        break;
    case Place::kCalloutElement:
        outcome.read = CurveElementReaders::ReadCalloutCurve(context, element, tables, outcome.id);
        break;
    case Place::kSketchCurves:
        if (IObject* curve =
                CurveElementReaders::ReadKernelCurve(context, element, tables.edgeCurvesByDxid)) {
            outcome.read = true;
            outcome.id = curve->Id();
        }
        break;
    default:
        outcome.read = CurveElementReaders::ReadSetCurve(context, element, tables, outcome.id);
        break;
    }
    return outcome;
}

template <typename Entity>
constexpr KindRow Made(const XMLCh* name, Places places, Places stopsSetIn,
                       FailurePolicy topLevelFailure) {
    return KindRow{name,
                   places,
                   stopsSetIn,
                   topLevelFailure,
                   false,
                   CreateOnContext<Entity>,
                   ReadElement<Entity>,
                   nullptr,
                   nullptr};
}

constexpr KindRow Taken(const XMLCh* name, Places places, bool topLevelNeedsId,
                        TakeOutcome (*take)(const DOMElement&, ReadContext&, Place),
                        Places stopsSetIn = kNowhere) {
    return KindRow{name,    places,  stopsSetIn, FailurePolicy::kKeep, topLevelNeedsId, nullptr,
                   nullptr, nullptr, take};
}

const std::array<KindRow, 12> kRows{{
    Taken(u"IBrep", kAnywhereButSketches | Place::kFeatureOverride, true, TakeBrep),
    Taken(u"ICurve", kAnywhereButSketches | Place::kSketchCurves | Place::kCalloutElement, false,
          TakeCurve, static_cast<Places>(Place::kCalloutElement)),
    Taken(u"IPolygonMesh", kAnywhereButSketches | Place::kCalloutElement | Place::kFeatureOverride,
          false, TakeMesh),
    Made<XMLExtensionGeometry>(u"IExtensionGeometry", kAnywhereButSketches,
                               static_cast<Places>(Place::kPart),
                               FailurePolicy::kDestroyAndConsume),
    Made<XMLGeometricSet>(u"IGeometricSet", Place::kTopLevel | kComponents | Place::kGeometricSet,
                          Place::kPart | Place::kGeometricSet,
                          FailurePolicy::kDestroyAndRetryLater),
    Made<XMLPoint>(u"IPoint", kAnywhereButSketches | Place::kSketchPoints | Place::kCalloutElement,
                   static_cast<Places>(Place::kPart), FailurePolicy::kDestroyAndConsume),
    Made<XMLSketch>(u"ISketch", Place::kTopLevel | kComponents, static_cast<Places>(Place::kPart),
                    FailurePolicy::kDestroyAndRetryLater),
    Made<XMLPointCloud>(u"IPointCloud", kAnywhereButSketches, static_cast<Places>(Place::kPart),
                        FailurePolicy::kDestroyAndRetryLater),
    Made<XMLWorkAxis>(u"IWorkAxis", Place::kTopLevel | kComponents, kNowhere,
                      FailurePolicy::kDestroyAndRetryLater),
    Made<XMLWorkPlane>(u"IWorkPlane", Place::kTopLevel | kComponents | Place::kAnnotationPlane,
                       kNowhere, FailurePolicy::kDestroyAndRetryLater),
    Made<XMLWorkPoint>(u"IWorkPoint", Place::kTopLevel | kComponents, kNowhere,
                       FailurePolicy::kDestroyAndRetryLater),
    Made<XMLCoordSys>(u"ICoordSys", kComponents, kNowhere, FailurePolicy::kDestroyAndRetryLater),
}};

} // namespace

KindRows GeometryKindRows() {
    return KindRows{kRows.data(), kRows.size()};
}

} // namespace Orvik
