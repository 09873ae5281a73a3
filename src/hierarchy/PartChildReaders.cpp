#include "hierarchy/PartChildReaders.h"

#include "geometry/BrepElementParser.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/PolygonMeshElementReader.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "orvik/api/ObjectCollector.h"
#include "producer/XMLProducerImpl.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;

// Resolved only against objects already held: a part never makes what it refers to.
bool ReadReference(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    UTF8String finalId;
    if (!ElementReaders::ResolveElementRef(&sources.context, &element, finalId))
        return false;
    child = sources.context.FindObject(finalId);
    return child != nullptr;
}

// A curve element that yields no curve is a failed child; curves never stop the walk.
bool ReadCurve(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    child = CurveElementReaders::ReadChildCurve(sources.context, element, sources.tables);
    return child != nullptr;
}

bool ReadBrep(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    UTF8String id;
    BrepElementParser::ParseBrepElement(sources.context, &element, sources.tables.bodiesByDxid, id);
    child = sources.context.FindObject(id);
    return true;
}

// A mesh element without a mesh in the table appends nothing; the walk goes on.
bool ReadMesh(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    UTF8String id;
    child = PolygonMeshElementReader::ParsePolygonMeshElement(sources.context, &element,
                                                              sources.tables.meshesById, id)
                ? sources.context.FindObject(id)
                : nullptr;
    return child != nullptr;
}

constexpr PartChildRow NotLoadedYet(const XMLCh* name, bool stopsChildSet) {
    return PartChildRow{name, nullptr, stopsChildSet};
}

constexpr bool kStops = true;
constexpr bool kGoesOn = false;

const PartChildReaders::Table kRows{{
    {u"IBrep", ReadBrep, kGoesOn},
    {u"ICurve", ReadCurve, kGoesOn},
    NotLoadedYet(u"IPoint", kStops),
    NotLoadedYet(u"IPointCloud", kStops),
    {u"IPolygonMesh", ReadMesh, kGoesOn},
    NotLoadedYet(u"IGeometricSet", kStops),
    NotLoadedYet(u"ISketch", kStops),
    NotLoadedYet(u"IExtensionGeometry", kStops),
    {u"Child", ReadReference, kGoesOn},
    NotLoadedYet(u"IWorkAxis", kGoesOn),
    NotLoadedYet(u"IWorkPlane", kGoesOn),
    NotLoadedYet(u"IWorkPoint", kGoesOn),
    NotLoadedYet(u"ICoordSys", kGoesOn),
    NotLoadedYet(u"IAnnotationCallout", kStops),
}};

const PartChildRow* FindRow(const PartChildReaders::Table& rows, const DOMElement& element) {
    for (const PartChildRow& row : rows)
        if (ElementWalk::IsNamed(element, row.elementName))
            return &row;
    return nullptr;
}

} // namespace

const PartChildReaders::Table& PartChildReaders::Rows() {
    return kRows;
}

bool PartChildReaders::ReadChildSet(const DOMElement& childSet, PartChildSources& sources,
                                    const Table& rows, std::vector<PartChildId>& children) {
    for (const DOMNode* node = childSet.getFirstChild(); node != nullptr;
         node = node->getNextSibling()) {
        if (node->getNodeType() != DOMNode::ELEMENT_NODE)
            continue;
        const auto& element = static_cast<const DOMElement&>(*node);
        const PartChildRow* row = FindRow(rows, element);
        // Entries without an id name nothing: skipped, and no failure.
        if (row == nullptr || row->read == nullptr || !element.hasAttribute(u"ID"))
            continue;
        IObject* child = nullptr;
        if (!row->read(element, sources, child)) {
            if (row->stopsChildSet)
                return false;
            continue;
        }
        if (child != nullptr)
            children.push_back(PartChildId::Create(child));
    }
    return true;
}

IObject* PartChildReaders::Adopt(std::unique_ptr<IObject> object, XMLProducerImpl& context) {
    IObject* held = object.get();
    return context.Collector()->AddObject(std::move(object)) ? held : nullptr;
}

} // namespace Orvik
