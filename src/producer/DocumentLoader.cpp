#include "producer/DocumentLoader.h"

#include "hierarchy/XMLFile.h"
#include "loader/Dispatcher.h"
#include "loader/ElementRegistry.h"
#include "loader/ElementWalk.h"
#include "loader/KindTable.h"
#include "loader/ReadContext.h"
#include "loader/XMLUniverse.h"
#include "orvik/api/IComponent.h"
#include "orvik/api/LocaleHelper.h"
#include "producer/SideFileSections.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

void Register(const DOMElement& element, const KindRow& kind, ReadContext& context) {
    const bool hasId = element.hasAttribute(u"ID");
    if (!hasId)
        context.Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &element,
                       UTF8String(kind.topLevelNeedsId
                                      ? "an entity without \"ID\" is skipped"
                                      : "an entity without \"ID\" is read under the empty id"));
    // Elements without "ID" all share the empty id; that was told above.
    const DOMElement* replaced = context.Registry().Register(element, kind);
    if (replaced != nullptr && hasId)
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, replaced,
                       UTF8String("a later element has the same id; this one is passed over"));
}

class MainPass {
public:
    MainPass(ReadContext& context, LoadedDocument& loaded, SideFileSections::Settings& settings)
        : m_context(context)
        , m_loaded(loaded)
        , m_settings(settings) {}

    void Visit(const DOMElement& element) {
        if (const KindRow* kind = KindTable::Find(element.getNodeName(), Place::kTopLevel))
            Register(element, *kind, m_context);
        else if (ElementWalk::IsNamed(element, u"IUniverse"))
            ReadUniverse(element);
        else
            SideFileSections::ReadSection(element, m_context, m_settings);
    }

    void Finish() { m_loaded.propertyFileName = m_settings.propertyFileName; }

private:
    // A later universe replaces an earlier one.
    void ReadUniverse(const DOMElement& element) {
        auto universe = std::make_unique<XMLUniverse>(m_context);
        universe->ReadUniverse(&element);
        m_context.SetDomainProjectContext(universe->DomainProjectContext());
        m_loaded.universe = std::move(universe);
    }

    ReadContext& m_context;
    LoadedDocument& m_loaded;
    SideFileSections::Settings& m_settings;
};

bool HasSingleComponentUnderRoot(const XMLFile& file, const ReadContext& context) {
    for (const UTF8String& childId : file.ChildIds()) {
        const auto* component = dynamic_cast<const IComponent*>(context.Find(childId));
        if (component && component->IsSingleUnderRoot())
            return true;
    }
    return false;
}

// A file marked root wins; else the only file, or the first with a component that is single
// under the root.
XMLFile* SettleRoot(ReadContext& context) {
    const ElementRegistry& registry = context.Registry();
    if (registry.MarkedRoot() != nullptr)
        return registry.MarkedRoot();
    if (registry.Files().size() == 1)
        return registry.Files().front();
    for (XMLFile* file : registry.Files())
        if (HasSingleComponentUnderRoot(*file, context))
            return file;
    return nullptr;
}

// Assets whose style the document never read: a damaged or mismatched side file.
void ReportUnclaimedAssets(ReadContext& context) {
    for (const auto& entry : context.Cache().ambrelAssets)
        context.Report(DiagnosticCode::kUnresolvedReference, DiagnosticSeverity::kWarning, nullptr,
                       UTF8String("the render asset for the style \"" + entry.first.Value() +
                                  "\" belongs to no style of the document"));
}

} // namespace

LoadedDocument DocumentLoader::LoadDocument(const xercesc::DOMDocument* document,
                                            ReadContext& context, bool wantSubdivMeshes) {
    LoadedDocument loaded;
    const LocaleHelper classicLocale{UTF8String()};
    const DOMElement* root = document ? document->getDocumentElement() : nullptr;
    if (root == nullptr)
        return loaded;
    SideFileSections::Settings settings;
    context.SetDomainProjectContext(nullptr);
    if (wantSubdivMeshes)
        SideFileSections::ReadSubdivisionSections(*root, context, settings);
    MainPass pass(context, loaded, settings);
    ElementWalk::ForEachChildElement(*root,
                                     [&pass](const DOMElement& element) { pass.Visit(element); });
    pass.Finish();
    Dispatcher::DispatchAll(context);
    ReportUnclaimedAssets(context);
    // The universe leaves with the loaded document; objects read later look it up no more.
    context.SetDomainProjectContext(nullptr);
    if (XMLFile* rootFile = SettleRoot(context)) {
        rootFile->SetIsRoot(true);
        loaded.rootId = std::make_unique<RootId>(rootFile->Id());
    }
    return loaded;
}

} // namespace Orvik
