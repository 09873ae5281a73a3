#include "loader/DispatchTable.h"

#include "geometry/BrepElementParser.h"
#include "geometry/CurveElementReaders.h"
#include "geometry/PolygonMeshElementReader.h"
#include "geometry/XMLExtensionGeometry.h"
#include "geometry/XMLGeometricSet.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLPointCloud.h"
#include "geometry/XMLSketch.h"
#include "geometry/XMLWorkAxis.h"
#include "geometry/XMLWorkPlane.h"
#include "geometry/XMLWorkPoint.h"
#include "hierarchy/XMLAssembly.h"
#include "hierarchy/XMLFile.h"
#include "hierarchy/XMLInstance.h"
#include "hierarchy/XMLPart.h"
#include "loader/ElementRegistry.h"
#include "orvik/api/RootId.h"
#include "producer/XMLProducerImpl.h"

#include <array>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

std::unique_ptr<IObject> CreateFile(XMLProducerImpl& context) {
    return std::make_unique<XMLFile>(UTF16String(), &context);
}

bool ReadFile(IObject& object, const DOMElement& element, ElementRegistry&) {
    return static_cast<XMLFile&>(object).Read(&element);
}

// A file marked root becomes the root at once (a later one replaces it); every file is listed
// so that the loader can settle the root when none was marked.
void SettleFile(IObject& object, ElementRegistry& registry) {
    auto& file = static_cast<XMLFile&>(object);
    if (file.IsRoot()) {
        registry.Context()->SetRootId(RootId(file.Id()));
        registry.SetRootFound();
    }
    registry.AddFile(&file);
}

std::unique_ptr<IObject> CreateAssembly(XMLProducerImpl& context) {
    return std::make_unique<XMLAssembly>(&context);
}

bool ReadAssembly(IObject& object, const DOMElement& element, ElementRegistry& registry) {
    return static_cast<XMLAssembly&>(object).Read(&element,
                                                  registry.Context()->Cache().GeometryTables());
}

std::unique_ptr<IObject> CreatePart(XMLProducerImpl& context) {
    return std::make_unique<XMLPart>(&context);
}

bool ReadPart(IObject& object, const DOMElement& element, ElementRegistry& registry) {
    return static_cast<XMLPart&>(object).Read(&element,
                                              registry.Context()->Cache().GeometryTables());
}

// The instance reader makes and registers its instance itself, or none.
HandlerResult ReadInstance(const DOMElement& element, ElementRegistry& registry) {
    XMLInstance::ReadInstance(element, registry);
    return HandlerResult{true, true};
}

HandlerResult ReadCurve(const DOMElement& element, ElementRegistry& registry) {
    XMLProducerImpl& context = *registry.Context();
    const auto outcome =
        CurveElementReaders::DispatchCurve(context, element, context.Cache().GeometryTables());
    return HandlerResult{outcome.consumed, outcome.result};
}

// The brep parser makes and registers its brep itself; a brep whose id is held is no failure.
HandlerResult ReadBrep(const DOMElement& element, ElementRegistry& registry) {
    XMLProducerImpl& context = *registry.Context();
    UTF8String id;
    const bool read =
        BrepElementParser::ParseBrepElement(context, &element, context.Cache().bodiesByDxid, id);
    return HandlerResult{true, read};
}

// The mesh taker: a mesh read from side files is completed and registered by its element;
// an element without a mesh creates nothing and is done all the same.
HandlerResult TakeMesh(const DOMElement& element, ElementRegistry& registry) {
    XMLProducerImpl& context = *registry.Context();
    UTF8String id;
    PolygonMeshElementReader::ParsePolygonMeshElement(context, &element, context.Cache().meshesById,
                                                      id);
    return HandlerResult{true, true};
}

// Points and work features are read whole from their element.
template <typename Entity>
std::unique_ptr<IObject> CreateReferenceGeometry(XMLProducerImpl& context) {
    return std::make_unique<Entity>(&context);
}

template <typename Entity>
bool ReadReferenceGeometry(IObject& object, const DOMElement& element, ElementRegistry&) {
    return static_cast<Entity&>(object).Read(&element);
}

template <typename Entity>
constexpr DispatchRow ReferenceGeometryRow(const XMLCh* name, FailurePolicy onFailure) {
    DispatchRow row{};
    row.elementName = name;
    row.create = CreateReferenceGeometry<Entity>;
    row.read = ReadReferenceGeometry<Entity>;
    row.onFailure = onFailure;
    return row;
}

// Sets and extension geometry are given the four geometry tables, a sketch only the kernel
// curves.
template <typename Container>
std::unique_ptr<IObject> CreateContainer(XMLProducerImpl& context) {
    return std::make_unique<Container>(&context);
}

template <typename Container>
bool ReadContainer(IObject& object, const DOMElement& element, ElementRegistry& registry) {
    return static_cast<Container&>(object).Read(&element,
                                                registry.Context()->Cache().GeometryTables());
}

bool ReadSketch(IObject& object, const DOMElement& element, ElementRegistry& registry) {
    return static_cast<XMLSketch&>(object).ParseSketchElement(
        &element, registry.Context()->Cache().edgeCurvesByDxid);
}

// Kinds without a row's functions are loaded by later work; their elements are left alone.
constexpr DispatchRow NotLoadedYet(const XMLCh* name) {
    return DispatchRow{name, nullptr, nullptr, FailurePolicy::kKeep, nullptr, nullptr};
}

const std::array<DispatchRow, 17> kRows{{
    {u"IFile", CreateFile, ReadFile, FailurePolicy::kKeep, SettleFile, nullptr, true},
    {u"IAssembly", CreateAssembly, ReadAssembly, FailurePolicy::kKeep, nullptr, nullptr, true},
    {u"IPart", CreatePart, ReadPart, FailurePolicy::kKeep, nullptr, nullptr, true},
    {u"IInstance", nullptr, nullptr, FailurePolicy::kKeep, nullptr, ReadInstance, true},
    {u"IBrep", nullptr, nullptr, FailurePolicy::kKeep, nullptr, ReadBrep, true},
    {u"ICurve", nullptr, nullptr, FailurePolicy::kKeep, nullptr, ReadCurve},
    {u"IPolygonMesh", nullptr, nullptr, FailurePolicy::kKeep, nullptr, TakeMesh},
    {u"IExtensionGeometry", CreateContainer<XMLExtensionGeometry>,
     ReadContainer<XMLExtensionGeometry>, FailurePolicy::kDestroyAndConsume, nullptr, nullptr},
    {u"IGeometricSet", CreateContainer<XMLGeometricSet>, ReadContainer<XMLGeometricSet>,
     FailurePolicy::kDestroyAndRetryLater, nullptr, nullptr},
    ReferenceGeometryRow<XMLPoint>(u"IPoint", FailurePolicy::kDestroyAndConsume),
    {u"ISketch", CreateContainer<XMLSketch>, ReadSketch, FailurePolicy::kDestroyAndRetryLater,
     nullptr, nullptr},
    ReferenceGeometryRow<XMLPointCloud>(u"IPointCloud", FailurePolicy::kDestroyAndRetryLater),
    ReferenceGeometryRow<XMLWorkAxis>(u"IWorkAxis", FailurePolicy::kDestroyAndRetryLater),
    ReferenceGeometryRow<XMLWorkPlane>(u"IWorkPlane", FailurePolicy::kDestroyAndRetryLater),
    ReferenceGeometryRow<XMLWorkPoint>(u"IWorkPoint", FailurePolicy::kDestroyAndRetryLater),
    NotLoadedYet(u"IAnnotationCalloutElement"),
    NotLoadedYet(u"IAnnotationCallout"),
}};

} // namespace

const DispatchRow* DispatchTable::Find(const XMLCh* elementName) {
    for (const DispatchRow& row : kRows)
        if (xercesc::XMLString::equals(row.elementName, elementName))
            return &row;
    return nullptr;
}

} // namespace Orvik
