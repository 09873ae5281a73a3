#include "loader/EntityReader.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLObject.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

EntityReader::EntityReader(ReadContext& context, XMLObject& object, const Policy& policy,
                           const Targets& targets)
    : m_context(context)
    , m_object(object)
    , m_policy(policy)
    , m_targets(targets) {}

void EntityReader::ReadIdentity(const DOMElement& element) {
    m_object.SetId(m_context.OwnId(element));
    UTF16String label;
    if (XMLUtils::GetNodeAttribute(&element, u"Label", label))
        m_object.SetLabel(label);
    UTF8String versionId;
    if ((m_policy.reads & kVersionPersistentId) != 0 &&
        XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        m_object.SetVersionPersistentId(versionId);
}

bool EntityReader::Matches(const DOMElement& child, Child kind, const XMLCh* name) const {
    if ((m_policy.reads & kind) == 0)
        return false;
    return (m_policy.anyCase & kind) != 0 ? ElementWalk::IsNamedIgnoringCase(child, name)
                                          : ElementWalk::IsNamed(child, name);
}

void EntityReader::ReadUnit(const DOMElement& child) {
    UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayAngle = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum displayLength = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum& lengthTarget = m_targets.lengthUnit ? *m_targets.lengthUnit : length;
    UnitTypeEnum& angleTarget =
        m_targets.displayAngleUnit ? *m_targets.displayAngleUnit : displayAngle;
    UnitTypeEnum& displayTarget =
        m_targets.displayLengthUnit ? *m_targets.displayLengthUnit : displayLength;
    ElementReaders::ReadUnit(&child, lengthTarget, angleTarget, displayTarget);
    for (const XMLCh* name : {u"LengthUnit", u"DisplayAngleUnit", u"DisplayLengthUnit"}) {
        const XMLCh* text = child.getAttribute(name);
        UnitTypeEnum unknown = UnitTypeEnum::kUnitType_Unknown;
        if (text != nullptr && *text != 0 &&
            !XMLStrUtil::StringToUnitType(UTF8String(UTF16String(text)), unknown))
            m_context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &child,
                             UTF8String("\"" + UTF16String(text).ToUTF8() +
                                        "\" names no unit; the unit stays as it was"));
    }
}

bool EntityReader::ReadChild(const DOMElement& child) {
    // A list is read under the name it has, so a list matched in another letter case still
    // yields its ids.
    const auto readList = [&](IdSet* target, const XMLCh* refName) {
        IdSet dropped;
        ElementReaders::ReadIdRefs(&m_context, &child, child.getNodeName(), refName,
                                   target ? *target : dropped);
    };
    if (Matches(child, kChangeKey, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            m_object.SetChangeKey(key);
    } else if (Matches(child, kExtensionData, u"ExtensionData")) {
        ElementReaders::AddExtensionData(m_context, child, m_object);
    } else if (Matches(child, kStyles, u"Styles")) {
        readList(m_targets.styles, StyleRefNodeNameXMLCh);
    } else if (Matches(child, kNetStyles, u"NetStyles")) {
        readList(m_targets.netStyles, StyleRefNodeNameXMLCh);
    } else if (Matches(child, kMaterials, u"Materials")) {
        readList(m_targets.materials, MaterialRefNodeNameXMLCh);
    } else if (Matches(child, kAnimations, u"Animations")) {
        readList(m_targets.animations, AnimationRefNodeNameXMLCh);
    } else if (Matches(child, kUnit, u"Unit")) {
        ReadUnit(child);
    } else {
        return false;
    }
    return true;
}

} // namespace Orvik
