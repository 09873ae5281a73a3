#include "loader/DispatchTable.h"

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

// Kinds without a row's functions are loaded by later work; their elements are left alone.
constexpr DispatchRow NotLoadedYet(const XMLCh* name) {
    return DispatchRow{name, nullptr, nullptr, FailurePolicy::kKeep, nullptr, nullptr};
}

const std::array<DispatchRow, 17> kRows{{
    {u"IFile", CreateFile, ReadFile, FailurePolicy::kKeep, SettleFile, nullptr, true},
    {u"IAssembly", CreateAssembly, ReadAssembly, FailurePolicy::kKeep, nullptr, nullptr, true},
    {u"IPart", CreatePart, ReadPart, FailurePolicy::kKeep, nullptr, nullptr, true},
    {u"IInstance", nullptr, nullptr, FailurePolicy::kKeep, nullptr, ReadInstance, true},
    NotLoadedYet(u"IBrep"),
    NotLoadedYet(u"ICurve"),
    NotLoadedYet(u"IPolygonMesh"),
    NotLoadedYet(u"IExtensionGeometry"),
    NotLoadedYet(u"IGeometricSet"),
    NotLoadedYet(u"IPoint"),
    NotLoadedYet(u"ISketch"),
    NotLoadedYet(u"IPointCloud"),
    NotLoadedYet(u"IWorkAxis"),
    NotLoadedYet(u"IWorkPlane"),
    NotLoadedYet(u"IWorkPoint"),
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
