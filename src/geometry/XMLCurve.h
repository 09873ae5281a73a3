#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/ICurve.h"
#include "orvik/api/StoredTransform.h"
#include "veld/VeldCurve.h"
#include "veld/VeldHistoryUtil.h"
#include "xml_util/XMLEntity.h"

#include <istream>
#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "ICurve" element. A stream curve carries the curve-data records of the geometry stream; a
// kernel curve carries copies of the kernel curves its "VeldEntity" children name.
class XMLCurve : public XMLEntity<VeldCurve> {
public:
    // A kernel curve.
    explicit XMLCurve(ReadContext* context);
    // A stream curve: reads its first curve-data record from the stream at once.
    XMLCurve(ReadContext* context, std::istream* stream, std::uint32_t typeCode,
             bool hostIsBigEndian);
    ~XMLCurve() override;

    // False only without an element.
    bool ParseCurveElement(const xercesc::DOMElement* element, const EdgeCurveTable& kernelCurves);
    // A record of a later announcement of the same curve id; null is ignored.
    void AppendCurveData(std::unique_ptr<ICurveData> data);
    // The first record was of a known type but could not be read whole.
    bool FirstReadFailed() const { return m_firstReadFailed; }

    std::uint32_t CurveDataCount() const override;
    const ICurveData* CurveDataAt(std::uint32_t index) const override;
    void KernelCurves(std::vector<const Veld::curve*>& curves) const override;
    void SetTransform(const Matrix3d& transform) override;
    bool HasTransform() const override { return m_transform.IsSet(); }
    const Matrix3d& Transform() const override;

    double AngularTolerance() const override { return m_angularTolerance; }
    double LinearTolerance() const override { return m_linearTolerance; }
    double ParamTolerance() const override { return m_paramTolerance; }
    bool IsVisible() const override { return m_visible; }
    bool IsNetVisible() const override { return m_netVisible; }
    IdSet Styles() const override { return m_styles; }
    IdSet NetStyles() const override { return m_netStyles; }
    IdSet Materials() const override { return m_materials; }
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayAngleUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum DisplayLengthUnit(UnitTypeEnum& unit) const override;

private:
    static void ReadKernelEntity(const xercesc::DOMElement& child,
                                 const EdgeCurveTable& kernelCurves,
                                 std::vector<std::unique_ptr<Veld::curve>>& copies);
    void ReleaseKernelCurves();

    ReadContext* m_context;
    // Never empty: a curve without records holds one null entry.
    std::vector<std::unique_ptr<ICurveData>> m_curveData;
    bool m_firstReadFailed = false;
    std::vector<std::unique_ptr<Veld::curve>> m_kernelCurves;
    // Made active while the kernel curves are destroyed.
    HistoryStreamHandle m_historyStream;
    StoredTransform m_transform;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayLengthUnit = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum m_displayAngleUnit = UnitTypeEnum::kUnitType_Unknown;
    double m_angularTolerance = -1.0;
    double m_linearTolerance = -1.0;
    double m_paramTolerance = -1.0;
    bool m_visible = true;
    bool m_netVisible = true;
    IdSet m_styles;
    IdSet m_netStyles;
    IdSet m_materials;
};

} // namespace Orvik
