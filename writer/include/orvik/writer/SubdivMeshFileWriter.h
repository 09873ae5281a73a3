#pragma once

#include "orvik/writer/LittleEndianBytes.h"

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace Orvik::Writer {

// Builds a subdivision mesh file ("SubdivMeshInfo"; docs/formats.md). The cage geometry of each
// mesh goes into the geometry stream under the same id.
class SubdivMeshFileWriter {
public:
    // From vertex, to vertex, sharpness.
    using Crease = std::tuple<std::uint64_t, std::uint64_t, double>;

    void AddMesh(const std::string& id, const std::vector<Crease>& creases);
    // A record with an empty id, which carries no crease list.
    void AddEmptyRecord();
    // Readers accept only 0, the value written by default.
    void SetLeadingValue(std::uint64_t value) { leading_ = value; }

    std::string Bytes() const;
    void WriteTo(const std::string& path) const;

private:
    std::uint64_t leading_ = 0;
    std::uint64_t count_ = 0;
    LittleEndianBytes records_;
};

} // namespace Orvik::Writer
