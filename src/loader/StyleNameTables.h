#pragma once

#include "orvik/api/UTF16String.h"

#include <cstdint>
#include <map>

namespace Orvik {

// Names of the point-marker, curve-font and curve-fill enumerations of render styles.
class StyleNameTables {
public:
    StyleNameTables();

    // Exact-match lookups; false and the value untouched when the name is absent.
    bool LookupPointStyleMarkerType(const UTF16String& name, std::uint32_t& value) const;
    bool LookupCurveStyleFontType(const UTF16String& name, std::uint32_t& value) const;
    bool LookupCurveStyleFillType(const UTF16String& name, std::uint32_t& value) const;

private:
    using Table = std::map<UTF16String, std::uint32_t>;
    static bool Lookup(const Table& table, const UTF16String& name, std::uint32_t& value);

    Table m_pointMarkers;
    Table m_curveFonts;
    Table m_curveFills;
};

} // namespace Orvik
