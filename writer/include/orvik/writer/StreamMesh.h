#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace Orvik::Writer {

// One polygon of a stream mesh: its outer loop and, in files with inner loops, its holes.
struct StreamPolygon {
    std::vector<std::uint64_t> outer;
    std::vector<std::vector<std::uint64_t>> inner;
};

// The geometry of one mesh record of a geometry stream.
struct StreamMesh {
    std::vector<std::array<double, 3>> positions;
    std::vector<std::array<double, 3>> normals;
    std::vector<std::array<double, 2>> textureCoordinates;
    std::vector<StreamPolygon> polygons;
};

} // namespace Orvik::Writer
