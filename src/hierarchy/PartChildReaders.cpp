#include "hierarchy/PartChildReaders.h"

#include "geometry/BrepElementParser.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/GroupElementReaders.h"
#include "geometry/PolygonMeshElementReader.h"
#include "geometry/ReferenceGeometryReaders.h"
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

// Created by the part; a failed reading is what the row's stop flag acts on. One the collector
// refuses (its id is held already) is no failure and appends nothing.
template <std::unique_ptr<IGeometry> (*ReadNew)(XMLProducerImpl&, const DOMElement&)>
bool ReadReferenceGeometry(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    std::unique_ptr<IGeometry> object = ReadNew(sources.context, element);
    if (object == nullptr)
        return false;
    child = PartChildReaders::Adopt(std::move(object), sources.context);
    return true;
}

// Geometric sets, extension geometry and sketches are created by the part; a failed reading
// stops the child set.
template <std::unique_ptr<IGeometry> (*ReadNew)(XMLProducerImpl&, const DOMElement&,
                                                const ExternalGeometryTables&)>
bool ReadGroup(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    std::unique_ptr<IGeometry> object = ReadNew(sources.context, element, sources.tables);
    if (object == nullptr)
        return false;
    child = PartChildReaders::Adopt(std::move(object), sources.context);
    return true;
}

constexpr PartChildRow NotLoadedYet(const XMLCh* name, bool stopsChildSet) {
    return PartChildRow{name, nullptr, stopsChildSet};
}

constexpr bool kStops = true;
constexpr bool kGoesOn = false;

const PartChildReaders::Table kRows{{
    {u"IBrep", ReadBrep, kGoesOn},
    {u"ICurve", ReadCurve, kGoesOn},
    {u"IPoint", ReadReferenceGeometry<ReferenceGeometryReaders::ReadPoint>, kStops},
    {u"IPointCloud", ReadReferenceGeometry<ReferenceGeometryReaders::ReadPointCloud>, kStops},
    {u"IPolygonMesh", ReadMesh, kGoesOn},
    {u"IGeometricSet", ReadGroup<GroupElementReaders::ReadGeometricSet>, kStops},
    {u"ISketch", ReadGroup<GroupElementReaders::ReadSketch>, kStops},
    {u"IExtensionGeometry", ReadGroup<GroupElementReaders::ReadExtensionGeometry>, kStops},
    {u"Child", ReadReference, kGoesOn},
    {u"IWorkAxis", ReadReferenceGeometry<ReferenceGeometryReaders::ReadWorkAxis>, kGoesOn},
    {u"IWorkPlane", ReadReferenceGeometry<ReferenceGeometryReaders::ReadWorkPlane>, kGoesOn},
    {u"IWorkPoint", ReadReferenceGeometry<ReferenceGeometryReaders::ReadWorkPoint>, kGoesOn},
    {u"ICoordSys", ReadReferenceGeometry<ReferenceGeometryReaders::ReadCoordSys>, kGoesOn},
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
