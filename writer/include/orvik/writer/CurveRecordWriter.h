#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Orvik::Writer {

// Payloads of the curve records of a geometry stream (docs/formats.md), for
// GeometryStreamWriter::AddCurveRecord.
class CurveRecordWriter {
public:
    using Xyz = std::array<double, 3>;

    enum TypeCode : std::uint64_t {
        kLine = 1,
        kRay = 2,
        kEllipse = 3,
        kPolyline = 4,
        kComposite = 5,
        kNurbs = 6,
    };

    struct EllipseValues {
        bool closed = false;
        bool periodic = false;
        Xyz center{0.0, 0.0, 0.0};
        Xyz majorAxis{1.0, 0.0, 0.0};
        Xyz normal{0.0, 0.0, 1.0};
        double ratio = 1.0;
        double t0 = 0.0;
        double t1 = 0.0;
    };

    struct PolylineValues {
        bool closed = false;
        bool periodic = false;
        std::vector<Xyz> points;
        // Written, with its flag, only when not empty; must then have as many points.
        std::vector<Xyz> extraPoints;
    };

    // One entry of a composite. An empty id writes no record: the entry holds no segment.
    struct CompositeEntry {
        std::uint64_t typeCode = kLine;
        std::string id;
        std::string payload;
        bool flag = false;
        double first = 0.0;
        double second = 0.0;
        std::uint64_t value = 0;
    };

    struct CompositeValues {
        bool closed = false;
        bool periodic = false;
        std::vector<CompositeEntry> entries;
    };

    struct NurbsValues {
        bool closed = false;
        bool periodic = false;
        std::vector<double> knots;
        std::vector<Xyz> controlPoints;
        // Rational when not empty; must then have one weight per control point.
        std::vector<double> weights;
        std::uint64_t degree = 1;
        double t0 = 0.0;
        double t1 = 1.0;
    };

    static std::string Line(const Xyz& root, const Xyz& direction, double t0, double t1);
    static std::string Ray(const Xyz& origin, const Xyz& direction);
    static std::string Ellipse(const EllipseValues& values);
    static std::string Polyline(const PolylineValues& values);
    static std::string Composite(const CompositeValues& values);
    static std::string Nurbs(const NurbsValues& values);
};

} // namespace Orvik::Writer
