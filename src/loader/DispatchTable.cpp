#include "loader/DispatchTable.h"

#include "hierarchy/XMLFile.h"
#include "loader/ElementRegistry.h"
#include "orvik/api/RootId.h"
#include "producer/XMLProducerImpl.h"

#include <xercesc/util/XMLString.hpp>

#include <array>

namespace Orvik {
namespace {

using xercesc::DOMElement;

std::unique_ptr<IObject> CreateFile(XMLProducerImpl& context)
{
    return std::make_unique<XMLFile>(UTF16String(), &context);
}

bool ReadFile(IObject& object, const DOMElement& element, ElementRegistry&)
{
    return static_cast<XMLFile&>(object).Read(&element);
}

// A file marked root becomes the root at once (a later one replaces it); every file is listed
// so that the loader can settle the root when none was marked.
void SettleFile(IObject& object, ElementRegistry& registry)
{
    auto& file = static_cast<XMLFile&>(object);
    if (file.IsRoot()) {
        registry.Context()->SetRootId(RootId(file.Id()));
        registry.SetRootFound();
    }
    registry.AddFile(&file);
}

// Kinds without a row's functions are loaded by later work; their elements are left alone.
constexpr DispatchRow NotLoadedYet(const XMLCh* name)
{
    return DispatchRow{name, nullptr, nullptr, FailurePolicy::kKeep, nullptr, nullptr};
}

const std::array<DispatchRow, 17> kRows{{
    {u"IFile", CreateFile, ReadFile, FailurePolicy::kKeep, SettleFile, nullptr},
    NotLoadedYet(u"IAssembly"),
    NotLoadedYet(u"IPart"),
    NotLoadedYet(u"IInstance"),
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

const DispatchRow* DispatchTable::Find(const XMLCh* elementName)
{
    for (const DispatchRow& row : kRows)
        if (xercesc::XMLString::equals(row.elementName, elementName))
            return &row;
    return nullptr;
}

} // namespace Orvik
