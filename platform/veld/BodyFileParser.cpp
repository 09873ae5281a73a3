#include "veld/BodyFileParser.h"

#include "veld/APOINT.h"

namespace Orvik::Veld {

bool BodyFileParser::ReadHeader() {
    return m_source.ReadHeader(m_flags, m_entityCount) && (m_flags & ~kInsecureFlag) == 0;
}

bool BodyFileParser::ReadEntities(ENTITY_LIST& list) {
    for (std::uint32_t i = 0; i < m_entityCount; ++i) {
        std::unique_ptr<ENTITY> entity = ReadRecord();
        if (entity == nullptr)
            return false;
        list.add(std::move(entity));
    }
    return m_source.ReadTrailer();
}

std::unique_ptr<ENTITY> BodyFileParser::ReadRecord() {
    RecordKind kind{};
    if (!m_source.ReadRecordKind(kind))
        return nullptr;
    switch (kind) {
    case RecordKind::kBody:
        return ReadBody();
    case RecordKind::kEdge:
        return ReadEdge();
    case RecordKind::kPoint:
        return ReadPoint();
    }
    return nullptr;
}

std::unique_ptr<BODY> BodyFileParser::ReadBody() {
    std::string dxid;
    std::uint32_t faceCount = 0;
    if (!m_source.ReadString(dxid) || !m_source.ReadCount(CountedItem::kFace, faceCount))
        return nullptr;
    auto body = std::make_unique<BODY>(std::move(dxid));
    body->reserve_faces(faceCount);
    for (std::uint32_t i = 0; i < faceCount; ++i) {
        std::string subId;
        if (!m_source.ExpectTag("face") || !m_source.ReadString(subId))
            return nullptr;
        body->add_face(std::make_unique<FACE>(std::move(subId)));
    }
    std::uint32_t edgeCount = 0;
    if (!m_source.ReadCount(CountedItem::kEdge, edgeCount))
        return nullptr;
    body->reserve_edges(edgeCount);
    for (std::uint32_t i = 0; i < edgeCount; ++i) {
        if (!m_source.ExpectTag("edge"))
            return nullptr;
        std::unique_ptr<EDGE> edge = ReadEdge();
        if (edge == nullptr)
            return nullptr;
        body->add_edge(std::move(edge));
    }
    return body;
}

std::unique_ptr<EDGE> BodyFileParser::ReadEdge() {
    std::string dxid;
    std::string subId;
    CurveGeometry geometry;
    if (!m_source.ReadString(dxid) || !m_source.ReadString(subId) || !ReadCurve(geometry))
        return nullptr;
    return std::make_unique<EDGE>(std::move(subId), std::move(geometry), std::move(dxid));
}

std::unique_ptr<ENTITY> BodyFileParser::ReadPoint() {
    std::string dxid;
    Point3 position;
    if (!m_source.ReadString(dxid) || !ReadPoint3(position))
        return nullptr;
    return std::make_unique<APOINT>(position, std::move(dxid));
}

bool BodyFileParser::ReadCurve(CurveGeometry& geometry) {
    CurveRecordKind kind{};
    if (!m_source.ReadCurveKind(kind))
        return false;
    bool read = false;
    switch (kind) {
    case CurveRecordKind::kLine:
        read = ReadLine(geometry.emplace<LineGeometry>());
        break;
    case CurveRecordKind::kEllipse:
        read = ReadEllipse(geometry.emplace<EllipseGeometry>());
        break;
    case CurveRecordKind::kNurbs:
        read = ReadNurbs(geometry.emplace<NurbsGeometry>());
        break;
    }
    // A curve the kernel could not evaluate makes the whole file unusable.
    return read && IsWellFormed(geometry);
}

bool BodyFileParser::ReadPoint3(Point3& point) {
    return m_source.ReadDouble(point.x) && m_source.ReadDouble(point.y) &&
           m_source.ReadDouble(point.z);
}

bool BodyFileParser::ReadLine(LineGeometry& line) {
    return ReadPoint3(line.root) && ReadPoint3(line.direction) && m_source.ReadDouble(line.start) &&
           m_source.ReadDouble(line.end);
}

bool BodyFileParser::ReadEllipse(EllipseGeometry& ellipse) {
    return ReadPoint3(ellipse.centre) && ReadPoint3(ellipse.normal) &&
           ReadPoint3(ellipse.majorAxis) && m_source.ReadDouble(ellipse.ratio) &&
           m_source.ReadDouble(ellipse.start) && m_source.ReadDouble(ellipse.end);
}

bool BodyFileParser::ReadNurbs(NurbsGeometry& nurbs) {
    std::uint32_t knotCount = 0;
    if (!m_source.ReadCount(CountedItem::kKnot, nurbs.degree) ||
        !m_source.ReadFlag(nurbs.rational) || !ReadControlPoints(nurbs) ||
        !m_source.ReadCount(CountedItem::kKnot, knotCount))
        return false;
    nurbs.knots.resize(knotCount);
    for (double& knot : nurbs.knots)
        if (!m_source.ReadDouble(knot))
            return false;
    return true;
}

bool BodyFileParser::ReadControlPoints(NurbsGeometry& nurbs) {
    const CountedItem item =
        nurbs.rational ? CountedItem::kRationalControlPoint : CountedItem::kControlPoint;
    std::uint32_t count = 0;
    if (!m_source.ReadCount(item, count))
        return false;
    nurbs.controlPoints.resize(count);
    if (nurbs.rational)
        nurbs.weights.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!ReadPoint3(nurbs.controlPoints[i]))
            return false;
        if (nurbs.rational && !m_source.ReadDouble(nurbs.weights[i]))
            return false;
    }
    return true;
}

} // namespace Orvik::Veld
