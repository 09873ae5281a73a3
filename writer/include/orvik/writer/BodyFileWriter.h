#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace Orvik::Writer {

// The records a body file holds, as the writer is given them.
namespace BodyFileRecords {

struct Point {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
struct Line {
    Point root;
    Point direction{1.0, 0.0, 0.0};
    double start = 0.0;
    double end = 1.0;
};
struct Ellipse {
    Point centre;
    Point normal{0.0, 0.0, 1.0};
    Point majorAxis{1.0, 0.0, 0.0};
    double ratio = 1.0;
    double start = 0.0;
    double end = 6.283185307179586;
};
struct Nurbs {
    std::uint32_t degree = 1;
    bool rational = false;
    std::vector<Point> controlPoints;
    // One per control point when rational.
    std::vector<double> weights;
    std::vector<double> knots;
};
using Curve = std::variant<Line, Ellipse, Nurbs>;
struct Edge {
    std::string dxid;
    std::string subEntityId;
    Curve curve;
};
struct Body {
    std::string dxid;
    std::vector<std::string> faces;
    std::vector<Edge> edges;
};
struct FreePoint {
    std::string dxid;
    Point position;
};

} // namespace BodyFileRecords

// Writes kernel body files in either layout of docs/formats.md. It writes what it is given,
// broken geometry included, so tests can hand the reader files it must refuse.
class BodyFileWriter {
public:
    using Point = BodyFileRecords::Point;
    using Line = BodyFileRecords::Line;
    using Ellipse = BodyFileRecords::Ellipse;
    using Nurbs = BodyFileRecords::Nurbs;
    using Curve = BodyFileRecords::Curve;
    using Edge = BodyFileRecords::Edge;
    using Body = BodyFileRecords::Body;
    using FreePoint = BodyFileRecords::FreePoint;

    // Marks the file as carrying content a restore must not trust.
    BodyFileWriter& SetInsecure(bool insecure);
    BodyFileWriter& AddBody(Body body);
    BodyFileWriter& AddEdge(Edge edge);
    BodyFileWriter& AddPoint(FreePoint point);

    std::string ToText() const;
    std::string ToBinary() const;
    void WriteText(const std::string& path) const;
    void WriteBinary(const std::string& path) const;

private:
    using Record = std::variant<Body, Edge, FreePoint>;

    bool insecure_ = false;
    std::vector<Record> records_;
};

} // namespace Orvik::Writer
