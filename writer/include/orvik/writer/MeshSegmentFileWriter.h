#pragma once

#include "orvik/writer/LittleEndianBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Orvik::Writer {

// Builds a mesh segment file ("MeshSegmentInfo"; docs/formats.md). The record count is written
// in front when the bytes are taken, so records can be added in any number.
class MeshSegmentFileWriter {
public:
    using IndexList = std::vector<std::uint64_t>;

    // One polygon mesh: polygon indices per face segment, one flag per face segment (or none)
    // and vertex indices per edge segment.
    void AddMesh(const std::string& id, const std::vector<IndexList>& faceSegments,
                 const std::vector<bool>& faceVisibility,
                 const std::vector<IndexList>& edgeSegments);
    // A record that is its id alone: what a subdivision mesh, or no mesh, gets.
    void AddIdOnly(const std::string& id);

    std::string Bytes() const;
    void WriteTo(const std::string& path) const;

private:
    std::uint64_t count_ = 0;
    LittleEndianBytes records_;
};

} // namespace Orvik::Writer
