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

// A reference to an object defined elsewhere. Parts refer only to objects made already; the
// others have the object made now, so they do not depend on the order of ids. An object too
// deep to make now is made by the loading pass later: sets keep its id, since they look their
// children up at each call.
// A reference that names nothing lists nothing; it is recorded as unresolved, not as failed.
TakeOutcome TakeReference(const DOMElement& element, ReadContext& context, Place place) {
    TakeOutcome outcome;
    outcome.read = true;
    const UTF8String documentId(UTF16String(element.getAttribute(u"ID")));
    if (place == Place::kPart) {
        if (!context.ResolveHeld(documentId, outcome.id)) {
            context.Report(DiagnosticCode::kUnresolvedReference, DiagnosticSeverity::kWarning,
                           &element,
                           UTF8String("no object with the id \"" + documentId.Value() +
                                      "\" was made before the part"));
            outcome.id = UTF8String();
        }
        return outcome;
    }
    const ReferenceOutcome reference = context.Require(element, documentId);
    if (reference.object != nullptr || reference.deferred)
        outcome.id = reference.id;
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
                Place::kSketchPoints | Place::kSketchCurves,
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
