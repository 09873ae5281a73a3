#include "geometry/CurveElementReaders.h"

#include "geometry/XMLCurve.h"
#include "loader/ElementReaders.h"
#include "loader/ReadContext.h"
#include "orvik/api/ObjectCollector.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

UTF8String IdAsRead(const DOMElement& element) {
    UTF8String id;
    XMLUtils::GetNodeAttribute(&element, u"ID", id);
    return id;
}

// Registers a waiting stream curve read from the element; the table's entry goes either way,
// since a curve the collector refuses is destroyed.
bool RegisterCachedCurve(ReadContext& context, const DOMElement& element,
                         CurveTable::iterator entry, CurveTable& curvesById) {
    std::unique_ptr<IObject> object = std::move(entry->second);
    curvesById.erase(entry);
    auto* curve = dynamic_cast<XMLCurve*>(object.get());
    if (curve == nullptr)
        return false;
    curve->ParseCurveElement(&element, EdgeCurveTable());
    return context.Adopt(std::move(object)) != nullptr;
}

} // namespace

bool CurveElementReaders::ParseStreamCurveElement(ReadContext& context, const DOMElement& element,
                                                  CurveTable& curvesById, UTF8String& id) {
    const UTF8String asRead = IdAsRead(element);
    id = context.OwnId(element);
    if (context.Holds(id))
        return true;
    const auto entry = curvesById.find(asRead);
    if (entry == curvesById.end() || entry->second == nullptr)
        return false;
    return RegisterCachedCurve(context, element, entry, curvesById);
}

IObject* CurveElementReaders::ReadChildCurve(ReadContext& context, const DOMElement& element,
                                             const ExternalGeometryTables& tables) {
    if (!tables.curvesById.empty()) {
        UTF8String id;
        if (ParseStreamCurveElement(context, element, tables.curvesById, id))
            return context.Find(id);
    }
    if (tables.edgeCurvesByDxid.empty())
        return nullptr;
    return ReadKernelCurve(context, element, tables.edgeCurvesByDxid);
}

CurveElementReaders::DispatchOutcome
CurveElementReaders::DispatchCurve(ReadContext& context, const DOMElement& element,
                                   const ExternalGeometryTables& tables) {
    DispatchOutcome outcome{false, false};
    if (!tables.curvesById.empty()) {
        UTF8String id;
        outcome.consumed = ParseStreamCurveElement(context, element, tables.curvesById, id);
        outcome.result = true;
    }
    if (tables.edgeCurvesByDxid.empty())
        return outcome;
    // Compared as it stands: a kernel curve registered under a new id is refused below by the
    // collector instead.
    if (context.Holds(IdAsRead(element)))
        return outcome;
    // Reading the element cannot fail here; a curve the collector refuses (its new id is held
    // by the stream curve taken above) is dropped, and the element is done all the same.
    ReadKernelCurve(context, element, tables.edgeCurvesByDxid);
    return DispatchOutcome{true, true};
}

bool CurveElementReaders::ReadSetCurve(ReadContext& context, const DOMElement& element,
                                       const ExternalGeometryTables& tables, UTF8String& id) {
    bool listed = false;
    if (!tables.curvesById.empty())
        listed = ParseStreamCurveElement(context, element, tables.curvesById, id);
    if (tables.edgeCurvesByDxid.empty())
        return listed;
    // Offered under the id the stream curve may hold already; then the collector refuses and
    // destroys this one, and the id is listed once.
    IObject* kernelCurve = ReadKernelCurve(context, element, tables.edgeCurvesByDxid);
    if (!listed && kernelCurve != nullptr) {
        id = kernelCurve->Id();
        listed = true;
    }
    return listed;
}

bool CurveElementReaders::ReadCalloutCurve(ReadContext& context, const DOMElement& element,
                                           const ExternalGeometryTables& tables, UTF8String& id) {
    const UTF8String asRead = IdAsRead(element);
    if (tables.curvesById.count(asRead) != 0) {
        UTF8String registered;
        if (ParseStreamCurveElement(context, element, tables.curvesById, registered))
            id = registered;
        return true;
    }
    if (tables.edgeCurvesByDxid.count(asRead) == 0) {
        context.Report(DiagnosticCode::kUnresolvedReference, DiagnosticSeverity::kInfo, &element,
                       UTF8String("no curve of the side files has the id \"" + asRead.Value() +
                                  "\"; passed over"));
        return true;
    }
    IObject* curve = ReadKernelCurve(context, element, tables.edgeCurvesByDxid);
    if (curve == nullptr)
        return false;
    id = curve->Id();
    return true;
}

IObject* CurveElementReaders::ReadKernelCurve(ReadContext& context, const DOMElement& element,
                                              const EdgeCurveTable& edgeCurvesByDxid) {
    auto curve = std::make_unique<XMLCurve>(&context);
    if (!curve->ParseCurveElement(&element, edgeCurvesByDxid))
        return nullptr;
    IObject* held = curve.get();
    return context.Adopt(std::move(curve)) != nullptr ? held : nullptr;
}

} // namespace Orvik
