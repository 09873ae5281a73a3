#include "geometry/BrepElementParser.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "orvik/api/ObjectCollector.h"
#include "xml_util/SubObjectPersistentIdReader.h"
#include "xml_util/XMLBrep.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

#include <vector>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;

// What the element says, gathered before the brep is made.
struct BrepElementData {
    UTF8String idAsRead;
    UTF16String label;
    bool visible = false;
    bool netVisible = false;
    IBrep::ProducerGeometryTypeEnum geometryType = IBrep::kProducerGeometryType_Brep;
    UTF8String versionPersistentId;
    const Veld::BODY* body = nullptr;
    bool hasChangeKey = false;
    UTF16String changeKey;
    UnitTypeEnum displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    double angularTolerance = -1.0;
    double linearTolerance = -1.0;
    double paramTolerance = -1.0;
    IdSet styles;
    IdSet netStyles;
    IdSet materials;
    IdSet animations;
    std::vector<ExtensionDataContent> extensionData;
    Matrix3d transform;
    SubEntityToStylesMap subEntityStyles;
    EditableDataIdToPersistentIdMap persistentIds;
    bool unitOrToleranceSeen = false;
    const DOMElement* unitAndTolerance = nullptr;
};

void ReadAttributes(const DOMElement& element, const BodyTable& bodies, BrepElementData& data) {
    data.idAsRead = UTF8String(UTF16String(element.getAttribute(u"ID")));
    data.label = UTF16String(element.getAttribute(u"Label"));
    data.visible = ElementReaders::IsVisibleValue(UTF16String(element.getAttribute(u"Visibility")));
    data.netVisible =
        ElementReaders::IsVisibleValue(UTF16String(element.getAttribute(u"NetVisibility")));
    XMLUtils::GetGeometryTypeFromString(UTF16String(element.getAttribute(u"Type")),
                                        data.geometryType);
    data.versionPersistentId =
        UTF8String(UTF16String(element.getAttribute(u"VersionPersistentId")));
    const auto found = bodies.find(data.idAsRead);
    data.body = found != bodies.end() ? found->second.get() : nullptr;
}

// Faces and edges name their styles by sub-entity id; each "Styles" list sets them anew.
void ReadSubEntityStyles(ReadContext& context, const DOMElement& subEntity, BrepElementData& data) {
    UTF8String subEntityId;
    XMLUtils::GetNodeAttribute(&subEntity, u"ID", subEntityId);
    ElementWalk::ForEachChildElement(subEntity, [&](const DOMElement& grandchild) {
        if (!ElementWalk::IsNamed(grandchild, u"Styles"))
            return;
        IdSet styles;
        ElementReaders::ReadStyleRefs(&context, &grandchild, styles);
        data.subEntityStyles.SetStyles(subEntityId, styles);
    });
}

void ReadUnitOrTolerance(const DOMElement& child, BrepElementData& data) {
    if (ElementWalk::IsNamed(child, u"Unit")) {
        UnitTypeEnum lengthUnit = UnitTypeEnum::kUnitType_Unknown;
        ElementReaders::ReadUnit(&child, lengthUnit, data.displayAngleUnit, data.displayLengthUnit);
    } else {
        ElementReaders::ReadTolerance(&child, data.angularTolerance, data.linearTolerance,
                                      data.paramTolerance);
    }
    data.unitOrToleranceSeen = true;
}

bool ReadPresentation(ReadContext& context, const DOMElement& child, BrepElementData& data) {
    if (ElementWalk::IsNamed(child, u"Styles"))
        ElementReaders::ReadStyleRefs(&context, &child, data.styles);
    else if (ElementWalk::IsNamed(child, u"NetStyles"))
        ElementReaders::ReadStyleRefs(&context, &child, data.netStyles);
    else if (ElementWalk::IsNamed(child, u"Materials"))
        ElementReaders::ReadIdRefs(&context, &child, u"Materials", MaterialRefNodeNameXMLCh,
                                   data.materials);
    else if (ElementWalk::IsNamed(child, u"Animations"))
        ElementReaders::ReadIdRefs(&context, &child, u"Animations", AnimationRefNodeNameXMLCh,
                                   data.animations);
    else if (ElementWalk::IsNamed(child, u"Transform"))
        ElementReaders::ReadTransform(&child, data.transform);
    else
        return false;
    return true;
}

void ReadChild(ReadContext& context, const DOMElement& child, BrepElementData& data) {
    if (ReadPresentation(context, child, data))
        return;
    if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        data.hasChangeKey = ElementReaders::ReadChangeKey(&child, data.changeKey);
    } else if (ElementWalk::IsNamed(child, u"Unit") || ElementWalk::IsNamed(child, u"Tolerance")) {
        ReadUnitOrTolerance(child, data);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ExtensionDataContent content;
        ElementReaders::ReadExtensionData(context, &child, content);
        data.extensionData.push_back(content);
    } else if (ElementWalk::IsNamed(child, u"UnitAndTolerance")) {
        // Only a document without the separate elements uses the combined one.
        if (!data.unitOrToleranceSeen && data.unitAndTolerance == nullptr)
            data.unitAndTolerance = &child;
    } else if ((ElementWalk::IsNamed(child, u"Face") || ElementWalk::IsNamed(child, u"Edge")) &&
               data.body != nullptr) {
        ReadSubEntityStyles(context, child, data);
    }
}

// The side file's map is handed over once; without a side file the element carries its own.
void TakePersistentIds(ReadContext& context, const DOMElement& element, BrepElementData& data) {
    SubObjectIdTable& table = context.Cache().subObjectPersistentIds;
    if (table.empty()) {
        SubObjectPersistentIdReader::ReadSubObjectPersistentIdsFromXML(&element,
                                                                       data.persistentIds);
        return;
    }
    const auto found = table.find(data.idAsRead);
    if (found == table.end())
        return;
    if (found->second != nullptr)
        data.persistentIds = *found->second;
    table.erase(found);
}

void ApplyUnitAndTolerance(BrepElementData& data) {
    if (data.unitOrToleranceSeen || data.unitAndTolerance == nullptr)
        return;
    ElementReaders::ReadUnitAndTolerance(data.unitAndTolerance, data.displayLengthUnit,
                                         &data.angularTolerance, &data.linearTolerance,
                                         &data.paramTolerance);
    data.displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
}

void SetPositiveTolerances(XMLBrep& brep, const BrepElementData& data) {
    if (data.angularTolerance > 0.0)
        brep.SetAngularTolerance(data.angularTolerance);
    if (data.linearTolerance > 0.0)
        brep.SetLinearTolerance(data.linearTolerance);
    if (data.paramTolerance > 0.0)
        brep.SetParamTolerance(data.paramTolerance);
}

std::unique_ptr<XMLBrep> MakeBrep(const UTF8String& id, BrepElementData& data) {
    auto brep = std::make_unique<XMLBrep>(id, data.label, data.body, data.geometryType);
    if (data.hasChangeKey)
        brep->SetChangeKey(data.changeKey);
    brep->SetDisplayAngleUnit(data.displayAngleUnit);
    brep->SetDisplayLengthUnit(data.displayLengthUnit);
    brep->AddExtensionDataContent(data.extensionData);
    brep->XMLObject::SetVersionPersistentId(data.versionPersistentId);
    brep->VeldBrep::SetVersionPersistentId(data.versionPersistentId);
    SetPositiveTolerances(*brep, data);
    brep->SetVisible(data.visible);
    brep->SetNetVisibility(data.netVisible);
    brep->SetStyles(std::move(data.styles));
    brep->SetNetStyles(std::move(data.netStyles));
    brep->AppendStylesToMap(data.subEntityStyles);
    brep->AppendPersistentIDsToMap(data.persistentIds);
    brep->SetTransform(std::move(data.transform));
    brep->SetMaterials(std::move(data.materials));
    brep->SetKeyframeAnimationChannels(std::move(data.animations));
    return brep;
}

} // namespace

bool BrepElementParser::ParseBrepElement(ReadContext& context, const DOMElement* element,
                                         const BodyTable& bodiesByDxid, UTF8String& id) {
    if (element == nullptr)
        return true;
    BrepElementData data;
    ReadAttributes(*element, bodiesByDxid, data);
    ElementWalk::ForEachChildElement(
        *element, [&](const DOMElement& child) { ReadChild(context, child, data); });
    TakePersistentIds(context, *element, data);
    ApplyUnitAndTolerance(data);
    id = context.OwnId(*element);
    if (context.Holds(id))
        return true;
    context.Adopt(MakeBrep(id, data));
    return true;
}

} // namespace Orvik
