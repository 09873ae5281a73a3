#include "loader/StyleNameTables.h"

namespace Orvik {
namespace {

template <std::size_t N>
void Fill(std::map<UTF16String, std::uint32_t>& table, const char16_t* const (&names)[N]) {
    for (std::uint32_t value = 0; value < N; ++value)
        table.emplace(UTF16String(names[value]), value);
}

} // namespace

StyleNameTables::StyleNameTables() {
    static const char16_t* const kMarkers[] = {
        u"kPointStyleMarkerType_Dot",          u"kPointStyleMarkerType_X",
        u"kPointStyleMarkerType_Plus",         u"kPointStyleMarkerType_Asterisk",
        u"kPointStyleMarkerType_Square",       u"kPointStyleMarkerType_Triangle",
        u"kPointStyleMarkerType_Circle",       u"kPointStyleMarkerType_Diamond",
        u"kPointStyleMarkerType_FilledSquare", u"kPointStyleMarkerType_FilledTriangle",
        u"kPointStyleMarkerType_FilledCircle", u"kPointStyleMarkerType_FilledDiamond",
    };
    static const char16_t* const kFonts[] = {
        u"kCurveStyleFontType_Continuous",
        u"kCurveStyleFontType_ISO_Dash",
        u"kCurveStyleFontType_ISO_DashSpace",
        u"kCurveStyleFontType_ISO_LongDashDot",
        u"kCurveStyleFontType_ISO_LongDashDoubleDot",
        u"kCurveStyleFontType_ISO_LongDashTripleDot",
        u"kCurveStyleFontType_ISO_Dot",
        u"kCurveStyleFontType_ISO_LongDashShortDash",
        u"kCurveStyleFontType_ISO_LongDashDoubleShortDash",
        u"kCurveStyleFontType_ISO_DashDot",
        u"kCurveStyleFontType_ISO_DoubleDashDot",
        u"kCurveStyleFontType_ISO_DashDoubleDot",
        u"kCurveStyleFontType_ISO_DoubleDashDoubleDot",
        u"kCurveStyleFontType_ISO_DashTripleDot",
        u"kCurveStyleFontType_ISO_DoubleDashTripleDot",
    };
    static const char16_t* const kFills[] = {u"kCurveStyleFillType_Solid"};
    Fill(m_pointMarkers, kMarkers);
    Fill(m_curveFonts, kFonts);
    Fill(m_curveFills, kFills);
}

bool StyleNameTables::Lookup(const Table& table, const UTF16String& name, std::uint32_t& value) {
    const auto found = table.find(name);
    if (found == table.end())
        return false;
    value = found->second;
    return true;
}

bool StyleNameTables::LookupPointStyleMarkerType(const UTF16String& name,
                                                 std::uint32_t& value) const {
    return Lookup(m_pointMarkers, name, value);
}

bool StyleNameTables::LookupCurveStyleFontType(const UTF16String& name,
                                               std::uint32_t& value) const {
    return Lookup(m_curveFonts, name, value);
}

bool StyleNameTables::LookupCurveStyleFillType(const UTF16String& name,
                                               std::uint32_t& value) const {
    return Lookup(m_curveFills, name, value);
}

} // namespace Orvik
