#include "geometry/SetChildReaders.h"

#include "geometry/BrepElementParser.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/PolygonMeshElementReader.h"
#include "geometry/XMLCurve.h"
#include "geometry/XMLExtensionGeometry.h"
#include "geometry/XMLGeometricSet.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLPointCloud.h"
#include "hierarchy/ElementWalk.h"
#include "loader/Dispatcher.h"
#include "orvik/api/ObjectCollector.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <memory>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;

// The collector takes the object; a refused one (its id is held already) is destroyed there and
// never touched again, so only the id read beforehand is used.
void Register(XMLProducerImpl& context, std::unique_ptr<IObject> object, UTF8String& id) {
    const UTF8String objectId = object->Id();
    if (context.Collector()->AddObject(std::move(object)))
        id = objectId;
}

// An object defined elsewhere, made now when it is not yet. A container being read is in
// progress, so a set that lists itself (or an ancestor) is refused by the dispatcher. An entry
// left pending because dispatches nest too deep is made by the loading pass later; its id is
// kept, since children are looked up at each call.
bool ReadReference(const DOMElement& element, SetChildSources& sources, UTF8String& id) {
    XMLProducerImpl& context = sources.context;
    UTF8String asRead;
    XMLUtils::GetNodeAttribute(&element, u"ID", asRead);
    UTF8String kept = asRead;
    context.MapObjectId(asRead, kept);
    if (context.Collector()->HasObject(kept)) {
        id = kept;
        return true;
    }
    const bool dispatched = Dispatcher::DispatchById(context.Registry(), asRead);
    const ElementRegistry::Entry* entry = context.Registry().Find(asRead);
    const bool deferred = dispatched && entry != nullptr &&
                          entry->state == ElementRegistry::State::kPending &&
                          entry->element != nullptr;
    if (!context.Collector()->HasObject(kept) && !deferred)
        return false;
    id = kept;
    return true;
}

bool ReadBrep(const DOMElement& element, SetChildSources& sources, UTF8String& id) {
    return BrepElementParser::ParseBrepElement(sources.context, &element,
                                               sources.tables.bodiesByDxid, id);
}

bool ReadMesh(const DOMElement& element, SetChildSources& sources, UTF8String& id) {
    return PolygonMeshElementReader::ParsePolygonMeshElement(sources.context, &element,
                                                             sources.tables.meshesById, id);
}

template <typename Entity>
bool ReadCreated(const DOMElement& element, SetChildSources& sources, UTF8String& id) {
    auto object = std::make_unique<Entity>(&sources.context);
    if (!object->Read(&element))
        return false;
    Register(sources.context, std::move(object), id);
    return true;
}

template <typename Container>
bool ReadContainer(const DOMElement& element, SetChildSources& sources, UTF8String& id) {
    auto object = std::make_unique<Container>(&sources.context);
    if (!object->Read(&element, sources.tables))
        return false;
    Register(sources.context, std::move(object), id);
    return true;
}

// Sketches list kernel curves only, made from the element whatever the table holds.
bool ReadKernelCurve(const DOMElement& element, SetChildSources& sources, UTF8String& id) {
    auto curve = std::make_unique<XMLCurve>(&sources.context);
    if (!curve->ParseCurveElement(&element, sources.tables.edgeCurvesByDxid))
        return false;
    Register(sources.context, std::move(curve), id);
    return true;
}

constexpr bool kStops = true;
constexpr bool kGoesOn = false;

const std::array<SetChildRow, 8> kGeometricSetRows{{
    {u"Child", ReadReference, kGoesOn},
    {u"IBrep", ReadBrep, kGoesOn},
    {u"ICurve", SetChildReaders::ReadSetCurve, kGoesOn},
    {u"IPoint", ReadCreated<XMLPoint>, kGoesOn},
    {u"IPointCloud", ReadCreated<XMLPointCloud>, kGoesOn},
    {u"IPolygonMesh", ReadMesh, kGoesOn},
    {u"IExtensionGeometry", ReadContainer<XMLExtensionGeometry>, kGoesOn},
    {u"IGeometricSet", ReadContainer<XMLGeometricSet>, kStops},
}};

const std::array<SetChildRow, 7> kExtensionGeometryRows{{
    {u"Child", ReadReference, kGoesOn},
    {u"IBrep", ReadBrep, kGoesOn},
    {u"ICurve", SetChildReaders::ReadSetCurve, kGoesOn},
    {u"IPoint", ReadCreated<XMLPoint>, kGoesOn},
    {u"IPointCloud", ReadCreated<XMLPointCloud>, kGoesOn},
    {u"IPolygonMesh", ReadMesh, kGoesOn},
    {u"IExtensionGeometry", ReadContainer<XMLExtensionGeometry>, kGoesOn},
}};

const std::array<SetChildRow, 2> kSketchChildRows{{
    {u"Child", ReadReference, kGoesOn},
    {u"IPoint", ReadCreated<XMLPoint>, kGoesOn},
}};

const std::array<SetChildRow, 2> kSketchCurveRows{{
    {u"Child", ReadReference, kGoesOn},
    {u"ICurve", ReadKernelCurve, kGoesOn},
}};

template <std::size_t N>
SetChildReaders::Table TableOf(const std::array<SetChildRow, N>& rows) {
    return SetChildReaders::Table{rows.data(), rows.size()};
}

const SetChildRow* FindRow(const SetChildReaders::Table& table, const DOMElement& element) {
    for (std::size_t i = 0; i < table.size; ++i)
        if (ElementWalk::IsNamed(element, table.rows[i].elementName))
            return &table.rows[i];
    return nullptr;
}

} // namespace

SetChildReaders::Table SetChildReaders::GeometricSetRows() {
    return TableOf(kGeometricSetRows);
}

SetChildReaders::Table SetChildReaders::ExtensionGeometryRows() {
    return TableOf(kExtensionGeometryRows);
}

SetChildReaders::Table SetChildReaders::SketchChildRows() {
    return TableOf(kSketchChildRows);
}

SetChildReaders::Table SetChildReaders::SketchCurveRows() {
    return TableOf(kSketchCurveRows);
}

bool SetChildReaders::ReadChildSet(const DOMElement& set, SetChildSources& sources,
                                   const Table& table, IdSet& ids) {
    for (const DOMNode* node = set.getFirstChild(); node != nullptr;
         node = node->getNextSibling()) {
        if (node->getNodeType() != DOMNode::ELEMENT_NODE)
            continue;
        const auto& element = static_cast<const DOMElement&>(*node);
        const SetChildRow* row = FindRow(table, element);
        // Entries without an id name nothing: skipped, and no failure.
        if (row == nullptr || !element.hasAttribute(u"ID"))
            continue;
        UTF8String id;
        if (!row->read(element, sources, id)) {
            if (row->stopsChildSet)
                return false;
            continue;
        }
        if (!id.IsEmpty())
            ids.AddWithUniquenessCheck(id);
    }
    return true;
}

bool SetChildReaders::ReadSetCurve(const DOMElement& element, SetChildSources& sources,
                                   UTF8String& id) {
    XMLProducerImpl& context = sources.context;
    bool listed = false;
    if (!sources.tables.curvesById.empty())
        listed = CurveElementReaders::ParseStreamCurveElement(context, element,
                                                              sources.tables.curvesById, id);
    if (sources.tables.edgeCurvesByDxid.empty())
        return listed;
    // Offered under the id the stream curve may hold already; then the collector refuses and
    // destroys this one, and the id is listed once.
    auto curve = std::make_unique<XMLCurve>(&context);
    if (!curve->ParseCurveElement(&element, sources.tables.edgeCurvesByDxid))
        return listed;
    UTF8String kernelId;
    Register(context, std::move(curve), kernelId);
    if (!listed && !kernelId.IsEmpty()) {
        id = kernelId;
        listed = true;
    }
    return listed;
}

} // namespace Orvik
