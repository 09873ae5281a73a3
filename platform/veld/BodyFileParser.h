#pragma once

#include "veld/BODY.h"
#include "veld/BodyTokenSource.h"
#include "veld/ENTITY_LIST.h"

#include <cstdint>
#include <memory>

namespace Orvik::Veld {

// Builds the entities of a body file from its tokens, whichever layout they come from.
class BodyFileParser {
public:
    // Bit 0 of the header flags: the file carries procedural attributes a restore must not
    // trust. No other bit is defined.
    static constexpr std::uint32_t kInsecureFlag = 1;

    explicit BodyFileParser(BodyTokenSource& source)
        : m_source(source) {}

    bool ReadHeader();
    std::uint32_t Flags() const { return m_flags; }
    bool IsInsecure() const { return (m_flags & kInsecureFlag) != 0; }
    // Fills the list with every record, or answers false for a malformed or broken file.
    bool ReadEntities(ENTITY_LIST& list);

private:
    std::unique_ptr<ENTITY> ReadRecord();
    std::unique_ptr<BODY> ReadBody();
    std::unique_ptr<EDGE> ReadEdge();
    std::unique_ptr<ENTITY> ReadPoint();
    bool ReadCurve(CurveGeometry& geometry);
    bool ReadPoint3(Point3& point);
    bool ReadLine(LineGeometry& line);
    bool ReadEllipse(EllipseGeometry& ellipse);
    bool ReadNurbs(NurbsGeometry& nurbs);
    bool ReadControlPoints(NurbsGeometry& nurbs);

    BodyTokenSource& m_source;
    std::uint32_t m_flags = 0;
    std::uint32_t m_entityCount = 0;
};

} // namespace Orvik::Veld
