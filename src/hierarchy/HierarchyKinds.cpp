#include "hierarchy/XMLAssembly.h"
#include "hierarchy/XMLAssemblyFeatureOverride.h"
#include "hierarchy/XMLFile.h"
#include "hierarchy/XMLGroup.h"
#include "hierarchy/XMLInstance.h"
#include "hierarchy/XMLLOD.h"
#include "hierarchy/XMLLayer.h"
#include "hierarchy/XMLPart.h"
#include "loader/AttributeSetReader.h"
#include "loader/ElementRegistry.h"
#include "loader/KindTable.h"
#include "loader/ReadContext.h"

#include <array>

namespace Orvik {
namespace {

using xercesc::DOMElement;

std::unique_ptr<IObject> CreateFile(ReadContext& context) {
    return std::make_unique<XMLFile>(UTF16String(), &context);
}

// Every file is listed so the loader can settle the root when none was marked; of the files
// marked root, the last one read wins.
void ListFile(IObject& object, ReadContext& context) {
    auto& file = static_cast<XMLFile&>(object);
    if (file.IsRoot())
        context.Registry().SetMarkedRoot(&file);
    context.Registry().AddFile(&file);
}

// The instance reader makes and registers its instance itself, or none.
TakeOutcome TakeInstance(const DOMElement& element, ReadContext& context, Place place) {
    TakeOutcome outcome;
    XMLInstance* instance = XMLInstance::ReadInstance(element, context);
    outcome.read = instance != nullptr || place == Place::kTopLevel;
    if (instance != nullptr)
        outcome.id = instance->Id();
    return outcome;
}

// A container's reference to an object read before it. A reference that names nothing lists
// nothing; it is recorded as unresolved, not as failed.
TakeOutcome TakeReference(const DOMElement& element, ReadContext& context, Place) {
    TakeOutcome outcome;
    outcome.read = true;
    context.ResolveChild(element, outcome.id);
    return outcome;
}

constexpr KindRow Component(const XMLCh* name, std::unique_ptr<IObject> (*create)(ReadContext&),
                            bool (*read)(IObject&, const DOMElement&, ReadContext&),
                            void (*afterAdd)(IObject&, ReadContext&)) {
    return KindRow{name,     static_cast<Places>(Place::kTopLevel),
                   kNowhere, FailurePolicy::kKeep,
                   true,     create,
                   read,     afterAdd,
                   nullptr};
}

const std::array<KindRow, 6> kRows{{
    Component(u"IFile", CreateFile, ReadElement<XMLFile>, ListFile),
    Component(u"IAssembly", CreateOnContext<XMLAssembly>, ReadElement<XMLAssembly>, nullptr),
    Component(u"IPart", CreateOnContext<XMLPart>, ReadElement<XMLPart>, nullptr),
    KindRow{u"IInstance", Place::kTopLevel | Place::kAssembly, kNowhere, FailurePolicy::kKeep, true,
            nullptr, nullptr, nullptr, TakeInstance},
    KindRow{u"Child",
            Place::kAssembly | Place::kPart | Place::kGeometricSet | Place::kExtensionGeometry |
                Place::kSketchPoints | Place::kSketchCurves | Place::kCallout |
                Place::kCalloutElement | Place::kAnnotationPlane,
            kNowhere, FailurePolicy::kKeep, false, nullptr, nullptr, nullptr, TakeReference},
    KindRow{u"IAssemblyFeatureOverride", static_cast<Places>(Place::kAssembly), kNowhere,
            FailurePolicy::kKeep, false, CreateOnContext<XMLAssemblyFeatureOverride>,
            ReadElement<XMLAssemblyFeatureOverride>, nullptr, nullptr},
}};

} // namespace

KindRows HierarchyKindRows() {
    return KindRows{kRows.data(), kRows.size()};
}

bool ReadGroupSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&,
                  AttributeSetReader::IdList& ids) {
    return XMLGroup::ReadGroupSet(context, &set, ids);
}

bool ReadLayerSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&,
                  AttributeSetReader::IdList& ids) {
    return XMLLayer::ReadLayerSet(context, &set, ids);
}

bool ReadLodSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&,
                AttributeSetReader::IdList& ids) {
    return XMLLOD::ReadLodSet(context, &set, ids);
}

} // namespace Orvik
