#include "hierarchy/AssemblyChildReaders.h"

#include "geometry/BrepElementParser.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/GroupElementReaders.h"
#include "geometry/PolygonMeshElementReader.h"
#include "geometry/ReferenceGeometryReaders.h"
#include "hierarchy/XMLInstance.h"
#include "loader/Dispatcher.h"
#include "orvik/api/ObjectCollector.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

IObject* ReadInstance(const DOMElement& entry, const AssemblyChildSource& source) {
    return XMLInstance::ReadInstance(entry, source.context.Registry());
}

// An object defined elsewhere in the document; one not made yet is made now, so the
// assembly does not depend on the order of ids.
IObject* ReadReference(const DOMElement& entry, const AssemblyChildSource& source) {
    XMLProducerImpl& context = source.context;
    UTF8String asRead;
    XMLUtils::GetNodeAttribute(&entry, u"ID", asRead);
    UTF8String kept = asRead;
    context.MapObjectId(asRead, kept);
    if (!context.Collector()->HasObject(kept))
        Dispatcher::DispatchById(context.Registry(), asRead);
    return context.FindObject(kept);
}

IObject* ReadCurve(const DOMElement& entry, const AssemblyChildSource& source) {
    return CurveElementReaders::ReadChildCurve(source.context, entry, source.tables);
}

IObject* ReadBrep(const DOMElement& entry, const AssemblyChildSource& source) {
    UTF8String id;
    BrepElementParser::ParseBrepElement(source.context, &entry, source.tables.bodiesByDxid, id);
    return source.context.FindObject(id);
}

IObject* ReadMesh(const DOMElement& entry, const AssemblyChildSource& source) {
    UTF8String id;
    if (!PolygonMeshElementReader::ParsePolygonMeshElement(source.context, &entry,
                                                           source.tables.meshesById, id))
        return nullptr;
    return source.context.FindObject(id);
}

// Points, point clouds, coordinate systems and work features are created by the assembly.
template <std::unique_ptr<IGeometry> (*ReadNew)(XMLProducerImpl&, const DOMElement&)>
IObject* ReadReferenceGeometry(const DOMElement& entry, const AssemblyChildSource& source) {
    std::unique_ptr<IObject> object = ReadNew(source.context, entry);
    const bool read = object != nullptr;
    return AssemblyChildReaders::KeepIfRead(source.context, std::move(object), read);
}

// Geometric sets, extension geometry and sketches are created by the assembly.
template <std::unique_ptr<IGeometry> (*ReadNew)(XMLProducerImpl&, const DOMElement&,
                                                const ExternalGeometryTables&)>
IObject* ReadGroup(const DOMElement& entry, const AssemblyChildSource& source) {
    std::unique_ptr<IObject> object = ReadNew(source.context, entry, source.tables);
    const bool read = object != nullptr;
    return AssemblyChildReaders::KeepIfRead(source.context, std::move(object), read);
}

constexpr AssemblyChildReaders::Row NotLoadedYet(const XMLCh* name) {
    return {name, nullptr};
}

const std::array<AssemblyChildReaders::Row, 16> kRows{{
    {u"IInstance", ReadInstance},
    NotLoadedYet(u"IAssemblyFeatureOverride"),
    {u"ISketch", ReadGroup<GroupElementReaders::ReadSketch>},
    {u"IBrep", ReadBrep},
    {u"ICurve", ReadCurve},
    {u"IPoint", ReadReferenceGeometry<ReferenceGeometryReaders::ReadPoint>},
    {u"IPointCloud", ReadReferenceGeometry<ReferenceGeometryReaders::ReadPointCloud>},
    {u"IPolygonMesh", ReadMesh},
    {u"IGeometricSet", ReadGroup<GroupElementReaders::ReadGeometricSet>},
    {u"IExtensionGeometry", ReadGroup<GroupElementReaders::ReadExtensionGeometry>},
    {u"Child", ReadReference},
    {u"IWorkAxis", ReadReferenceGeometry<ReferenceGeometryReaders::ReadWorkAxis>},
    {u"IWorkPlane", ReadReferenceGeometry<ReferenceGeometryReaders::ReadWorkPlane>},
    {u"IWorkPoint", ReadReferenceGeometry<ReferenceGeometryReaders::ReadWorkPoint>},
    {u"ICoordSys", ReadReferenceGeometry<ReferenceGeometryReaders::ReadCoordSys>},
    NotLoadedYet(u"IAnnotationCallout"),
}};

} // namespace

const AssemblyChildReaders::Row* AssemblyChildReaders::Find(const XMLCh* elementName) {
    for (const Row& row : kRows)
        if (xercesc::XMLString::equals(row.elementName, elementName))
            return &row;
    return nullptr;
}

IObject* AssemblyChildReaders::KeepIfRead(XMLProducerImpl& context, std::unique_ptr<IObject> object,
                                          bool read) {
    if (!read || object == nullptr)
        return nullptr;
    IObject* held = object.get();
    return context.Collector()->AddObject(std::move(object)) ? held : nullptr;
}

} // namespace Orvik
