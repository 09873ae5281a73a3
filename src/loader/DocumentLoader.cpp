#include "loader/DocumentLoader.h"

#include "hierarchy/XMLFile.h"
#include "loader/Dispatcher.h"
#include "loader/SideFileReaders.h"
#include "loader/XMLUniverse.h"
#include "orvik/api/AssertOption.h"
#include "orvik/api/IComponent.h"
#include "orvik/api/LocaleHelper.h"
#include "orvik/api/RootId.h"
#include "orvik/api/StringUtil.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <boost/filesystem/path.hpp>
#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;
using xercesc::XMLString;
using Attributes = AttributeMapType;

bool IsNamed(const DOMNode& node, const XMLCh* name) {
    return XMLString::equals(node.getNodeName(), name);
}

bool HasFlag(const Attributes& attributes, const char* flag) {
    const auto found = attributes.find(UTF8String(flag));
    return found != attributes.end() && found->second == UTF16String(u"True");
}

bool HasPath(const Attributes& attributes) {
    return attributes.count(UTF8String("Path")) != 0;
}

UTF16String PathValue(const Attributes& attributes) {
    return XMLUtils::LookupAttribute(attributes, "Path");
}

// The document's folder joined with the value by the path-append rule (an absolute value wins).
UTF16String BesideDocument(const XMLProducerImpl& context, const UTF16String& value) {
    const boost::filesystem::path folder =
        boost::filesystem::path(context.DocumentPath().ToUTF8()).parent_path();
    return UTF16String(UTF8String((folder / value.ToUTF8()).string()));
}

void RunHookOnFailure(bool succeeded) {
    if (!succeeded)
        RunAssertionHook();
}

constexpr std::array<const XMLCh*, 16> kEntityNames{u"IFile",         u"IAnnotationCallout",
                                                    u"IAssembly",     u"IPart",
                                                    u"IInstance",     u"IBrep",
                                                    u"IPoint",        u"IPolygonMesh",
                                                    u"IGeometricSet", u"IExtensionGeometry",
                                                    u"ICurve",        u"ISketch",
                                                    u"IPointCloud",   u"IWorkPoint",
                                                    u"IWorkAxis",     u"IWorkPlane"};

bool IsEntity(const DOMNode& node) {
    for (const XMLCh* name : kEntityNames)
        if (IsNamed(node, name))
            return true;
    return false;
}

class MainPass {
public:
    explicit MainPass(XMLProducerImpl& context)
        : m_context(context) {}

    void Visit(const DOMElement& element) {
        if (IsEntity(element))
            m_context.Registry().Register(&element);
        else if (IsNamed(element, u"IUniverse"))
            ReadUniverse(element);
        else
            ReadSection(element);
    }

private:
    void ReadUniverse(const DOMElement& element) {
        auto universe = std::make_unique<XMLUniverse>(m_context);
        universe->ReadUniverse(&element);
        m_context.SetUniverse(std::move(universe));
    }

    void ReadSection(const DOMElement& element) {
        const bool sat = IsNamed(element, u"SatInfo");
        const bool property = IsNamed(element, u"PropertyInfo");
        if (sat || property) {
            UTF16String path;
            XMLUtils::GetNodeAttribute(&element, "Path", path);
            if (path.IsEmpty())
                return;
            if (property)
                m_context.SetPropertyFileName(path);
            else
                RunHookOnFailure(SideFileReaders::ReadBodies(m_context, path, Cache()));
            return;
        }
        const Attributes attributes = XMLUtils::AttributeMap(&element);
        if (!HasPath(attributes))
            return;
        const UTF16String path = PathValue(attributes);
        if (IsNamed(element, u"GeometryInfo") && HasFlag(attributes, "GenerateGeometry")) {
            RunHookOnFailure(
                SideFileReaders::ReadGeometryStream(m_context, path, true, false, Cache()));
        } else if (IsNamed(element, u"MeshSegmentInfo") &&
                   HasFlag(attributes, "GenerateMeshSegment")) {
            RunHookOnFailure(SideFileReaders::ReadMeshSegments(
                m_context, BesideDocument(m_context, path), Cache()));
        } else if (IsNamed(element, u"MeshInfo") && HasFlag(attributes, "GenerateMesh")) {
            RunHookOnFailure(SideFileReaders::ReadGeometryStream(
                m_context, path, false, HasFlag(attributes, "HasInnerLoops"), Cache()));
        } else if (IsNamed(element, u"AmbrelMaterialInfo") &&
                   HasFlag(attributes, "GenerateSerializedAmbrel")) {
            RunHookOnFailure(SideFileReaders::ReadAmbrelAssets(
                m_context, XMLUtils::GetFilePath(&element, m_context.DocumentPath()), Cache()));
        } else if (IsNamed(element, u"SubObjectPersistentIdInfo") &&
                   HasFlag(attributes, "GenerateSubObjectPersistentId")) {
            RunHookOnFailure(SideFileReaders::ReadSubObjectPersistentIds(
                m_context, BesideDocument(m_context, path), Cache()));
        } else if (IsNamed(element, u"AnimationInfo") && HasFlag(attributes, "GenerateAnimation")) {
            m_context.SetAnimationFilePath(
                XMLUtils::GetFilePath(&element, m_context.DocumentPath()));
        }
    }

    SideDataCache& Cache() { return m_context.Cache(); }

    XMLProducerImpl& m_context;
};

template <typename Visit>
void ForEachChildElement(const DOMElement& parent, Visit visit) {
    for (const DOMNode* node = parent.getFirstChild(); node; node = node->getNextSibling())
        if (node->getNodeType() == DOMNode::ELEMENT_NODE)
            visit(static_cast<const DOMElement&>(*node));
}

// Only when the host asked for subdivision meshes; the first section that is not switched on,
// or whose file fails, ends the pre-pass.
void ReadSubdivisionSections(const DOMElement& root, XMLProducerImpl& context) {
    for (const DOMNode* node = root.getFirstChild(); node; node = node->getNextSibling()) {
        if (node->getNodeType() != DOMNode::ELEMENT_NODE || !IsNamed(*node, u"SubdivMeshInfo"))
            continue;
        const Attributes attributes = XMLUtils::AttributeMap(node);
        if (!HasFlag(attributes, "GenerateSubdivMesh") || !HasPath(attributes))
            return;
        if (!SideFileReaders::ReadSubdivMeshes(context, PathValue(attributes), context.Cache())) {
            RunAssertionHook();
            return;
        }
    }
}

bool HasSingleComponentUnderRoot(const XMLFile& file, XMLProducerImpl& context) {
    for (const UTF8String& childId : file.ChildIds()) {
        const auto* component = dynamic_cast<const IComponent*>(context.FindObject(childId));
        if (component && component->IsSingleUnderRoot())
            return true;
    }
    return false;
}

void SettleRoot(XMLProducerImpl& context) {
    ElementRegistry& registry = context.Registry();
    if (registry.RootFound() || registry.Files().empty())
        return;
    XMLFile* root = nullptr;
    if (registry.Files().size() == 1) {
        root = registry.Files().front();
    } else {
        for (XMLFile* file : registry.Files()) {
            if (HasSingleComponentUnderRoot(*file, context)) {
                root = file;
                break;
            }
        }
    }
    if (root == nullptr)
        return;
    root->SetIsRoot(true);
    context.SetRootId(RootId(root->Id()));
}

} // namespace

bool DocumentLoader::LoadDocument(xercesc::XercesDOMParser& parser, XMLProducerImpl& context) {
    const LocaleHelper classicLocale{UTF8String()};
    const xercesc::DOMDocument* document = parser.getDocument();
    const DOMElement* root = document ? document->getDocumentElement() : nullptr;
    if (root == nullptr)
        return true;
    if (context.WantSubdivMeshes())
        ReadSubdivisionSections(*root, context);
    MainPass pass(context);
    ForEachChildElement(*root, [&pass](const DOMElement& element) { pass.Visit(element); });
    context.Registry().SetContext(&context);
    Dispatcher::DispatchAll(context.Registry());
    SettleRoot(context);
    return true;
}

} // namespace Orvik
