#include "presentation/ViewReader.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "presentation/SceneAttributeReader.h"
#include "presentation/XMLProducerViewMemberOverrideInfo.h"
#include "presentation/XMLViewWithFlatToScreen.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;
using PlainView = XMLView<IView, XMLProducerViewMemberOverrideInfo>;

bool HasFlatToScreenChild(const DOMElement& element) {
    bool found = false;
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        found = found || ElementWalk::IsNamed(child, u"IViewWithFlatToScreen");
    });
    return found;
}

void ReadAttributes(const DOMElement& element, ReadContext& context, IXMLView& view) {
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        view.Object().SetVersionPersistentId(versionId);
    if (element.hasAttribute(u"Visibility")) {
        int visible = 0;
        if (!XMLStrUtil::XMLBooleanStrToInt(element.getAttribute(u"Visibility"), visible))
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                           UTF8String("\"Visibility\" is no boolean; the view is hidden"));
        view.SetVisibility(visible != 0);
    }
    view.SetIsActive(SceneAttributeReader::Int(element, u"IsActive", context).value_or(1) != 0);
}

} // namespace

std::unique_ptr<IObject> ViewReader::Read(ReadContext& context, const DOMElement& element,
                                          const UTF8String& id) {
    const UTF16String label(element.getAttribute(u"Label"));
    if (HasFlatToScreenChild(element)) {
        auto view = std::make_unique<XMLViewWithFlatToScreen>(id, label);
        ReadViewElement(element, context, *view);
        return view;
    }
    auto view = std::make_unique<PlainView>(id, label);
    ReadViewElement(element, context, *view);
    return view;
}

void ViewReader::ReadViewElement(const DOMElement& element, ReadContext& context, IXMLView& view) {
    ReadAttributes(element, context, view);
    bool unitRead = false;
    IdSet cameras;
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"Unit")) {
            // Skipped without "LengthUnit"; a name that is no unit gives unit 0.
            UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
            if (SceneAttributeReader::Unit(child, u"LengthUnit", context, unit) ||
                child.hasAttribute(u"LengthUnit")) {
                view.SetUnit(unit);
                unitRead = true;
            }
        } else if (ElementWalk::IsNamed(child, u"ViewMember")) {
            ElementWalk::ForEachChildElement(child, [&](const DOMElement& member) {
                if (ElementWalk::IsNamed(member, u"ViewMemberChild"))
                    view.ReadMember(member, context);
            });
        } else if (ElementWalk::IsNamed(child, u"CameraSet")) {
            ElementReaders::ReadIdRefs(&context, &child, u"CameraSet", u"CameraRef", cameras);
            view.SetCameras(cameras);
        } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
            ElementReaders::AddExtensionData(context, child, view.Object());
        } else if (ElementWalk::IsNamed(child, u"IViewWithFlatToScreen")) {
            view.ReadFlatToScreen(child, context);
        }
    });
    view.FinishMembers();
    view.SetUnitSpecified(unitRead);
}

} // namespace Orvik
