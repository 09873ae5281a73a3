#include "geometry/XMLCurve.h"

#include "geometry/CurveDataReader.h"
#include "geometry/GeometryAttributeReaders.h"
#include "loader/CheckedIndex.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/EntityReader.h"
#include "loader/ReadContext.h"
#include "veld/Curve.h"
#include "veld/VeldGlobalDataSaveRestore.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

#include <stdexcept>

namespace Orvik {
namespace {

using xercesc::DOMElement;

IsValueSpecifiedEnum CopyUnit(UnitTypeEnum field, UnitTypeEnum& unit) {
    unit = field;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace

XMLCurve::XMLCurve(ReadContext* context)
    : m_context(context) {
    m_curveData.emplace_back();
}

XMLCurve::XMLCurve(ReadContext* context, std::istream* stream, std::uint32_t typeCode,
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
    if (element == nullptr || m_context == nullptr)
        return false;
    // Style, net style and material lists are matched whatever their letter case.
    constexpr unsigned kAnyCase =
        EntityReader::kStyles | EntityReader::kNetStyles | EntityReader::kMaterials;
    EntityReader::Targets targets;
    targets.styles = &m_styles;
    targets.netStyles = &m_netStyles;
    targets.materials = &m_materials;
    targets.lengthUnit = &m_lengthUnit;
    targets.displayAngleUnit = &m_displayAngleUnit;
    targets.displayLengthUnit = &m_displayLengthUnit;
    EntityReader shared(*m_context, *this,
                        {EntityReader::kChangeKey | EntityReader::kExtensionData |
                             EntityReader::kUnit | EntityReader::kVersionPersistentId | kAnyCase,
                         kAnyCase},
                        targets);
    shared.ReadIdentity(*element);
    m_visible = GeometryAttributeReaders::ReadVisibility(*element, u"Visibility");
    m_netVisible = GeometryAttributeReaders::ReadVisibility(*element, u"NetVisibility");
    std::vector<std::unique_ptr<Veld::curve>> kernelCopies;
    ElementWalk::ForEachChildElement(*element, [&](const DOMElement& child) {
        if (shared.ReadChild(child))
            return;
        if (ElementWalk::IsNamed(child, u"VeldEntity"))
            ReadKernelEntity(child, kernelCurves, kernelCopies);
        else if (ElementWalk::IsNamed(child, u"Transform"))
            GeometryAttributeReaders::ReadTransformText(child, m_transform);
        else if (ElementWalk::IsNamed(child, u"Tolerance"))
            ElementReaders::ReadTolerance(&child, m_angularTolerance, m_linearTolerance,
                                          m_paramTolerance);
    });
    ReleaseKernelCurves();
    m_kernelCurves = std::move(kernelCopies);
    if (!m_kernelCurves.empty())
        m_historyStream = m_context->HistoryStream();
    return true;
}

void XMLCurve::ReadKernelEntity(const DOMElement& child, const EdgeCurveTable& kernelCurves,
                                std::vector<std::unique_ptr<Veld::curve>>& copies) {
    UTF8String entityId;
    XMLUtils::GetNodeAttribute(&child, u"EntityId", entityId);
    const auto found = kernelCurves.find(entityId);
    // A copy of its own, so that each kernel curve is destroyed exactly once however often it
    // is listed.
    if (found != kernelCurves.end() && found->second != nullptr)
        copies.push_back(found->second->copy());
}

void XMLCurve::AppendCurveData(std::unique_ptr<ICurveData> data) {
    if (data != nullptr)
        m_curveData.push_back(std::move(data));
}

std::uint32_t XMLCurve::CurveDataCount() const {
    return static_cast<std::uint32_t>(m_curveData.size());
}

const ICurveData* XMLCurve::CurveDataAt(std::uint32_t index) const {
    return m_curveData[CheckedIndex::Of(index, m_curveData.size())].get();
}

void XMLCurve::KernelCurves(std::vector<const Veld::curve*>& curves) const {
    curves.clear();
    for (const auto& kernelCurve : m_kernelCurves)
        curves.push_back(kernelCurve.get());
}

void XMLCurve::SetTransform(const Matrix3d& transform) {
    m_transform.Set(transform);
}

const Matrix3d& XMLCurve::Transform() const {
    return m_transform.Get();
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
