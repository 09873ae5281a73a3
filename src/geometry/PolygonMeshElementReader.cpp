#include "geometry/PolygonMeshElementReader.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "orvik/api/ObjectCollector.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLSubdivMesh.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

template <typename Mesh>
void ReadAttributes(Mesh& mesh, const DOMElement& element) {
    UTF16String label;
    if (XMLUtils::GetNodeAttribute(&element, u"Label", label))
        mesh.SetObjectLabel(label);
    UTF8String lodId;
    if (XMLUtils::GetNodeAttribute(&element, u"LODID", lodId))
        mesh.SetLodId(lodId);
    UTF16String type;
    UTF16String orientation;
    XMLUtils::GetNodeAttribute(&element, u"Type", type);
    XMLUtils::GetNodeAttribute(&element, u"Orientation", orientation);
    auto meshType = IPolygonMesh::kPolygonMeshType_Unknown;
    // The element's orientation is not trusted: every mesh keeps the unknown orientation.
    auto ignoredOrientation = IPolygonMesh::kPolygonMeshOrientation_Unknown;
    XMLUtils::GetMeshTypeAndOrientationFromString(type, orientation, meshType, ignoredOrientation);
    mesh.SetMeshType(meshType);
    mesh.SetMeshOrientation(IPolygonMesh::kPolygonMeshOrientation_Unknown);
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        mesh.SetVersionPersistentId(versionId);
    bool visible = false;
    XMLUtils::GetNodeAttribute(&element, u"Visibility", visible);
    mesh.SetVisible(visible);
    bool singleSided = false;
    if (XMLUtils::GetNodeAttribute(&element, u"IsSingleSided", singleSided))
        mesh.SetIsSingleSided(singleSided);
}

template <typename Mesh>
void ReadChild(Mesh& mesh, ReadContext& context, const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            mesh.SetChangeKey(key);
    } else if (ElementWalk::IsNamed(child, u"Unit")) {
        UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum angle = UnitTypeEnum::kUnitType_Unknown;
        UnitTypeEnum displayLength = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, length, angle, displayLength);
        mesh.SetLengthUnit(length, displayLength);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        const XMLCh* text = child.getTextContent();
        Matrix3d transform;
        if (text != nullptr && *text != 0 && ElementReaders::ReadTransform(&child, transform))
            mesh.SetTransform(transform);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ExtensionDataContent content;
        ElementReaders::ReadExtensionData(context, &child, content);
        mesh.AddExtensionDataContent(content);
    } else if (ElementWalk::IsNamed(child, u"Styles")) {
        IdSet styles;
        ElementReaders::ReadStyleRefs(&context, &child, styles);
        mesh.SetStyle(styles);
    } else if (ElementWalk::IsNamed(child, u"Materials")) {
        IdSet materials;
        ElementReaders::ReadIdRefs(&context, &child, u"Materials", MaterialRefNodeNameXMLCh,
                                   materials);
        mesh.SetMaterials(materials);
    } else if (ElementWalk::IsNamed(child, u"Animations")) {
        IdSet animations;
        ElementReaders::ReadIdRefs(&context, &child, u"Animations", AnimationRefNodeNameXMLCh,
                                   animations);
        mesh.SetKeyframeAnimationChannels(std::move(animations));
    }
}

template <typename Mesh>
bool Fill(std::unique_ptr<Mesh> mesh, ReadContext& context, const DOMElement& element,
          UTF8String& id) {
    id = context.ReferenceId(id);
    if (context.Holds(id))
        return true;
    mesh->SetId(id);
    ReadAttributes(*mesh, element);
    ElementWalk::ForEachChildElement(
        element, [&](const DOMElement& child) { ReadChild(*mesh, context, child); });
    context.Adopt(std::move(mesh));
    return true;
}

} // namespace

bool PolygonMeshElementReader::ParsePolygonMeshElement(ReadContext& context,
                                                       const DOMElement* element,
                                                       MeshTable& meshesById, UTF8String& id) {
    if (element == nullptr)
        return false;
    XMLUtils::GetNodeAttribute(element, u"ID", id);
    const auto found = meshesById.find(id);
    if (found == meshesById.end() || found->second == nullptr)
        return false;
    std::unique_ptr<IObject> held = std::move(found->second);
    meshesById.erase(found);
    if (dynamic_cast<XMLSubdivMesh*>(held.get()) != nullptr)
        return FillMeshFromElement(
            std::unique_ptr<XMLSubdivMesh>(static_cast<XMLSubdivMesh*>(held.release())), context,
            *element, id);
    if (dynamic_cast<XMLPolygonMesh*>(held.get()) != nullptr)
        return FillMeshFromElement(
            std::unique_ptr<XMLPolygonMesh>(static_cast<XMLPolygonMesh*>(held.release())), context,
            *element, id);
    return false;
}

bool PolygonMeshElementReader::FillMeshFromElement(std::unique_ptr<XMLPolygonMesh> mesh,
                                                   ReadContext& context, const DOMElement& element,
                                                   UTF8String& id) {
    return Fill(std::move(mesh), context, element, id);
}

bool PolygonMeshElementReader::FillMeshFromElement(std::unique_ptr<XMLSubdivMesh> mesh,
                                                   ReadContext& context, const DOMElement& element,
                                                   UTF8String& id) {
    return Fill(std::move(mesh), context, element, id);
}

} // namespace Orvik
