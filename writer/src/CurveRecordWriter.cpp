#include "orvik/writer/CurveRecordWriter.h"

#include "orvik/writer/LittleEndianBytes.h"

namespace Orvik::Writer {
namespace {

void Triple(LittleEndianBytes& out, const CurveRecordWriter::Xyz& value) {
    out.Double(value[0]).Double(value[1]).Double(value[2]);
}

void Triples(LittleEndianBytes& out, const std::vector<CurveRecordWriter::Xyz>& values) {
    for (const auto& value : values)
        Triple(out, value);
}

void Flags(LittleEndianBytes& out, bool closed, bool periodic) {
    out.Byte(closed ? 1 : 0).Byte(periodic ? 1 : 0);
}

void Entry(LittleEndianBytes& out, const CurveRecordWriter::CompositeEntry& entry) {
    // The leading word carries nothing; readers pass over it.
    out.U64(0).U64(entry.typeCode).String(entry.id);
    if (!entry.id.empty())
        out.Raw(entry.payload);
}

} // namespace

std::string CurveRecordWriter::Line(const Xyz& root, const Xyz& direction, double t0, double t1) {
    LittleEndianBytes out;
    Triple(out, root);
    Triple(out, direction);
    out.Double(t0).Double(t1);
    return out.Bytes();
}

std::string CurveRecordWriter::Ray(const Xyz& origin, const Xyz& direction) {
    LittleEndianBytes out;
    Triple(out, origin);
    Triple(out, direction);
    return out.Bytes();
}

std::string CurveRecordWriter::Ellipse(const EllipseValues& values) {
    LittleEndianBytes out;
    Flags(out, values.closed, values.periodic);
    Triple(out, values.center);
    Triple(out, values.majorAxis);
    Triple(out, values.normal);
    out.Double(values.ratio).Double(values.t0).Double(values.t1);
    return out.Bytes();
}

std::string CurveRecordWriter::Polyline(const PolylineValues& values) {
    LittleEndianBytes out;
    Flags(out, values.closed, values.periodic);
    out.U64(values.points.size());
    Triples(out, values.points);
    out.U64(values.extraPoints.empty() ? 0 : 1);
    Triples(out, values.extraPoints);
    return out.Bytes();
}

std::string CurveRecordWriter::Composite(const CompositeValues& values) {
    LittleEndianBytes out;
    Flags(out, values.closed, values.periodic);
    out.U64(values.entries.size());
    for (const CompositeEntry& entry : values.entries)
        Entry(out, entry);
    for (const CompositeEntry& entry : values.entries)
        out.U64(entry.flag ? 1 : 0);
    for (const CompositeEntry& entry : values.entries)
        out.Double(entry.first).Double(entry.second);
    for (const CompositeEntry& entry : values.entries)
        out.U64(entry.value);
    return out.Bytes();
}

std::string CurveRecordWriter::Nurbs(const NurbsValues& values) {
    LittleEndianBytes out;
    Flags(out, values.closed, values.periodic);
    out.U64(values.knots.size());
    for (double knot : values.knots)
        out.Double(knot);
    out.U64(values.controlPoints.size());
    Triples(out, values.controlPoints);
    out.U64(values.weights.empty() ? 0 : 1);
    for (double weight : values.weights)
        out.Double(weight);
    out.U64(values.degree).Double(values.t0).Double(values.t1);
    return out.Bytes();
}

} // namespace Orvik::Writer
