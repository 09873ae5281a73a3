#include "geometry/XMLCurve.h"

#include "geometry/CurveDataReader.h"
#include "hierarchy/ElementWalk.h"
#include "loader/ElementReaders.h"
#include "producer/XMLProducerImpl.h"
#include "veld/Curve.h"
#include "veld/VeldGlobalDataSaveRestore.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <stdexcept>

namespace Orvik {
namespace {

using xercesc::DOMElement;

IsValueSpecifiedEnum CopyUnit(UnitTypeEnum field, UnitTypeEnum& unit) {
    unit = field;
    return IsValueSpecifiedEnum::kSpecified;
}

// Visible unless the attribute is there with anything but "1".
bool ReadVisibility(const DOMElement& element, const XMLCh* name) {
    return !element.hasAttribute(name) ||
           ElementReaders::IsVisibleValue(XMLStrUtil::XMLStrToWStr(element.getAttribute(name)));
}

} // namespace

XMLCurve::XMLCurve(XMLProducerImpl* context)
    : m_context(context) {
    m_curveData.emplace_back();
}

XMLCurve::XMLCurve(XMLProducerImpl* context, std::istream* stream, std::uint32_t typeCode,
                   bool hostIsBigEndian)
    : m_context(context) {
    CurveDataReader::Result first = CurveDataReader::Read(stream, typeCode, hostIsBigEndian);
    m_firstReadFailed = first.failed;
    m_curveData.push_back(std::move(first.data));
}

XMLCurve::~XMLCurve() {
    ReleaseKernelCurves();
}

void XMLCurve::ReleaseKernelCurves() {
    if (m_kernelCurves.empty())
        return;
    // The kernel files the destruction in this producer's history, not the host's.
    const VeldGlobalDataSaveRestore guard;
    VeldHistoryUtil::SetActiveHistoryStream(m_historyStream);
    m_kernelCurves.clear();
}

bool XMLCurve::ParseCurveElement(const DOMElement* element, const EdgeCurveTable& kernelCurves) {
    if (element == nullptr)
        return false;
    ReadAttributes(*element);
    Pending pending;
    ElementWalk::ForEachChildElement(
        *element, [&](const DOMElement& child) { ReadChild(child, kernelCurves, pending); });
    ReleaseKernelCurves();
    m_kernelCurves = std::move(pending.kernelCurves);
    if (!m_kernelCurves.empty() && m_context != nullptr)
        m_historyStream = m_context->HistoryStream();
    if (!pending.extensions.empty())
        AddExtensionDataContent(pending.extensions);
    return true;
}

void XMLCurve::ReadAttributes(const DOMElement& element) {
    if (m_context != nullptr)
        SetId(ElementReaders::ReadElementId(*m_context, &element));
    UTF16String label;
    XMLUtils::GetNodeAttribute(&element, u"Label", label);
    SetLabel(label);
    UTF8String versionId;
    XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId);
    SetVersionPersistentId(versionId);
    m_visible = ReadVisibility(element, u"Visibility");
    m_netVisible = ReadVisibility(element, u"NetVisibility");
}

void XMLCurve::ReadChild(const DOMElement& child, const EdgeCurveTable& kernelCurves,
                         Pending& pending) {
    if (ElementWalk::IsNamed(child, u"VeldEntity")) {
        ReadKernelEntity(child, kernelCurves, pending);
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ExtensionDataContent content;
        const UTF16String directory = m_context ? m_context->SideFileDirectory() : UTF16String();
        if (ElementReaders::ReadExtensionData(directory, &child, content))
            pending.extensions.push_back(content);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        ReadTransformText(child);
    } else if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        UTF16String key;
        if (ElementReaders::ReadChangeKey(&child, key))
            SetChangeKey(key);
    } else if (ElementWalk::IsNamed(child, u"Unit")) {
        ElementReaders::ReadUnit(&child, m_lengthUnit, m_displayAngleUnit, m_displayLengthUnit);
    } else if (ElementWalk::IsNamed(child, u"Tolerance")) {
        ElementReaders::ReadTolerance(&child, m_angularTolerance, m_linearTolerance,
                                      m_paramTolerance);
    } else {
        ReadReferenceList(child);
    }
}

bool XMLCurve::ReadReferenceList(const DOMElement& child) {
    // These three names are matched whatever their letter case; the list is read under the
    // name it has.
    const XMLCh* name = child.getNodeName();
    if (ElementWalk::IsNamedIgnoringCase(child, u"Styles"))
        return ElementReaders::ReadIdRefs(m_context, &child, name, StyleRefNodeNameXMLCh, m_styles);
    if (ElementWalk::IsNamedIgnoringCase(child, u"NetStyles"))
        return ElementReaders::ReadIdRefs(m_context, &child, name, StyleRefNodeNameXMLCh,
                                          m_netStyles);
    if (ElementWalk::IsNamedIgnoringCase(child, u"Materials"))
        return ElementReaders::ReadIdRefs(m_context, &child, name, MaterialRefNodeNameXMLCh,
                                          m_materials);
    return false;
}

void XMLCurve::ReadKernelEntity(const DOMElement& child, const EdgeCurveTable& kernelCurves,
                                Pending& pending) {
    UTF8String entityId;
    XMLUtils::GetNodeAttribute(&child, u"EntityId", entityId);
    const auto found = kernelCurves.find(entityId);
    // A copy of its own, so that each kernel curve is destroyed exactly once however often it
    // is listed.
    if (found != kernelCurves.end() && found->second != nullptr)
        pending.kernelCurves.push_back(found->second->copy());
}

void XMLCurve::ReadTransformText(const DOMElement& child) {
    const UTF8String text = XMLStrUtil::XMLStrToAStr(child.getTextContent());
    Matrix3d matrix;
    if (!text.IsEmpty() && XMLStrUtil::GetTransfFromStr(text, matrix))
        SetTransform(matrix);
}

void XMLCurve::AppendCurveData(std::unique_ptr<ICurveData> data) {
    if (data != nullptr)
        m_curveData.push_back(std::move(data));
}

std::uint32_t XMLCurve::CurveDataCount() const {
    return static_cast<std::uint32_t>(m_curveData.size());
}

const ICurveData* XMLCurve::CurveDataAt(std::uint32_t index) const {
    if (index >= m_curveData.size())
        throw std::out_of_range("invalid vector subscript");
    return m_curveData[index].get();
}

void XMLCurve::KernelCurves(std::vector<const Veld::curve*>& curves) const {
    curves.clear();
    for (const auto& kernelCurve : m_kernelCurves)
        curves.push_back(kernelCurve.get());
}

void XMLCurve::SetTransform(const Matrix3d& transform) {
    m_transform.reset();
    if (!transform.IsIdentity())
        m_transform = std::make_unique<Matrix3d>(transform);
}

const Matrix3d& XMLCurve::Transform() const {
    static const Matrix3d kIdentity;
    return m_transform ? *m_transform : kIdentity;
}

IsValueSpecifiedEnum XMLCurve::LengthUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_lengthUnit, unit);
}

IsValueSpecifiedEnum XMLCurve::DisplayAngleUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_displayAngleUnit, unit);
}

IsValueSpecifiedEnum XMLCurve::DisplayLengthUnit(UnitTypeEnum& unit) const {
    return CopyUnit(m_displayLengthUnit, unit);
}

} // namespace Orvik
