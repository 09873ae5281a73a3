#pragma once

#include "orvik/writer/LittleEndianBytes.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace Orvik::Writer {

// Builds an animation side file ("AnimationInfo"; docs/formats.md).
class AnimationFileWriter {
public:
    static constexpr std::uint64_t kTransformType = 0;
    // Sixteen values, row by row.
    using Matrix = std::array<double, 16>;
    using Frame = std::pair<double, Matrix>;

    // A record of transform keyframes filed under the name; unit 0 with hasUnit false leaves
    // the unit unspecified.
    void AddTransformRecord(const std::string& name, const std::vector<Frame>& frames,
                            bool hasUnit = false, std::uint64_t unit = 0);
    // A record of any type and payload, for files that test the reader.
    void AddRecord(const std::string& name, std::uint64_t type, const std::string& payload);

    static std::string TransformPayload(const std::vector<Frame>& frames, bool hasUnit,
                                        std::uint64_t unit);
    // The name a document's animation of that id is filed under.
    static std::string NameFor(const std::string& animationId) {
        return "Animation_" + animationId;
    }

    std::string Bytes() const;
    void WriteTo(const std::string& path) const;

private:
    std::uint64_t count_ = 0;
    LittleEndianBytes records_;
};

} // namespace Orvik::Writer
