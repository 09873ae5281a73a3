#include "orvik/writer/BodyFileWriter.h"

#include "orvik/writer/CFile.h"

#include <cstring>
#include <sstream>

namespace Orvik::Writer {
namespace {

constexpr std::uint32_t kInsecureFlag = 1;

// Little-endian integers, IEEE doubles, length-prefixed strings.
class BinaryEncoder {
public:
    void Tag(const char*) {}
    void Kind(std::uint8_t code, const char*) { U8(code); }
    void U8(std::uint8_t value) { out_.push_back(static_cast<char>(value)); }
    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            U8(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void Count(std::size_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Flag(bool value) { U8(value ? 1 : 0); }
    void F64(double value) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i)
            U8(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    void String(const std::string& value) {
        Count(value.size());
        out_ += value;
    }
    void Header(std::uint32_t flags, std::size_t count) {
        out_ += "VELDBIN1";
        U32(flags);
        Count(count);
    }
    void Trailer() {}
    std::string Result() const { return out_; }

private:
    std::string out_;
};

// One token per value, separated by spaces; each record on a line of its own.
class TextEncoder {
public:
    TextEncoder() { out_.precision(17); }
    void Tag(const char* word) { out_ << ' ' << word; }
    void Kind(std::uint8_t, const char* word) { out_ << '\n' << word; }
    void Count(std::size_t value) { out_ << ' ' << value; }
    void Flag(bool value) { out_ << ' ' << (value ? 1 : 0); }
    void F64(double value) { out_ << ' ' << value; }
    void String(const std::string& value) { out_ << ' ' << value.size() << ':' << value; }
    void Header(std::uint32_t flags, std::size_t count) {
        out_ << "VELDTXT 1\nflags " << flags << "\nentities " << count;
    }
    void Trailer() { out_ << "\nend\n"; }
    std::string Result() const { return out_.str(); }

private:
    std::ostringstream out_;
};

template <class Encoder>
void WritePoint(Encoder& e, const BodyFileWriter::Point& p) {
    e.F64(p.x);
    e.F64(p.y);
    e.F64(p.z);
}

template <class Encoder>
struct CurveWriter {
    Encoder& e;
    void operator()(const BodyFileWriter::Line& line) const {
        e.Kind(1, "line");
        WritePoint(e, line.root);
        WritePoint(e, line.direction);
        e.F64(line.start);
        e.F64(line.end);
    }
    void operator()(const BodyFileWriter::Ellipse& ellipse) const {
        e.Kind(2, "ellipse");
        WritePoint(e, ellipse.centre);
        WritePoint(e, ellipse.normal);
        WritePoint(e, ellipse.majorAxis);
        e.F64(ellipse.ratio);
        e.F64(ellipse.start);
        e.F64(ellipse.end);
    }
    void operator()(const BodyFileWriter::Nurbs& nurbs) const {
        e.Kind(3, "nurbs");
        e.Count(nurbs.degree);
        e.Flag(nurbs.rational);
        e.Count(nurbs.controlPoints.size());
        for (std::size_t i = 0; i < nurbs.controlPoints.size(); ++i) {
            WritePoint(e, nurbs.controlPoints[i]);
            if (nurbs.rational)
                e.F64(i < nurbs.weights.size() ? nurbs.weights[i] : 1.0);
        }
        e.Count(nurbs.knots.size());
        for (double knot : nurbs.knots)
            e.F64(knot);
    }
};

template <class Encoder>
void WriteEdgePayload(Encoder& e, const BodyFileWriter::Edge& edge) {
    e.String(edge.dxid);
    e.String(edge.subEntityId);
    std::visit(CurveWriter<Encoder>{e}, edge.curve);
}

template <class Encoder>
struct RecordWriter {
    Encoder& e;
    void operator()(const BodyFileWriter::Body& body) const {
        e.Kind(1, "body");
        e.String(body.dxid);
        e.Count(body.faces.size());
        for (const std::string& face : body.faces) {
            e.Tag("face");
            e.String(face);
        }
        e.Count(body.edges.size());
        for (const BodyFileWriter::Edge& edge : body.edges) {
            e.Tag("edge");
            WriteEdgePayload(e, edge);
        }
    }
    void operator()(const BodyFileWriter::Edge& edge) const {
        e.Kind(2, "edge");
        WriteEdgePayload(e, edge);
    }
    void operator()(const BodyFileWriter::FreePoint& point) const {
        e.Kind(3, "point");
        e.String(point.dxid);
        WritePoint(e, point.position);
    }
};

template <class Encoder, class Records>
std::string Encode(bool insecure, const Records& records) {
    Encoder e;
    e.Header(insecure ? kInsecureFlag : 0, records.size());
    for (const auto& record : records)
        std::visit(RecordWriter<Encoder>{e}, record);
    e.Trailer();
    return e.Result();
}

} // namespace

BodyFileWriter& BodyFileWriter::SetInsecure(bool insecure) {
    insecure_ = insecure;
    return *this;
}

BodyFileWriter& BodyFileWriter::AddBody(Body body) {
    records_.emplace_back(std::move(body));
    return *this;
}

BodyFileWriter& BodyFileWriter::AddEdge(Edge edge) {
    records_.emplace_back(std::move(edge));
    return *this;
}

BodyFileWriter& BodyFileWriter::AddPoint(FreePoint point) {
    records_.emplace_back(std::move(point));
    return *this;
}

std::string BodyFileWriter::ToText() const {
    return Encode<TextEncoder>(insecure_, records_);
}

std::string BodyFileWriter::ToBinary() const {
    return Encode<BinaryEncoder>(insecure_, records_);
}

void BodyFileWriter::WriteText(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(ToText());
    file.Close();
}

void BodyFileWriter::WriteBinary(const std::string& path) const {
    CFile file(path, "wb");
    file.WriteAll(ToBinary());
    file.Close();
}

} // namespace Orvik::Writer
