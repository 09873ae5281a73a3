#pragma once

#include "orvik/writer/XmlDocumentBuilder.h"

#include <string>

namespace Orvik::Sample {

// Cameras, views, lights and keyframe animations of the sample: the attribute set that holds
// them, the side-file section and the animation file.
class SceneSample {
public:
    static constexpr const char* kAnimationFile = "animations.bin";
    // Animated by the side file's keyframes, and by inline ones.
    static constexpr const char* kFileAnimation = "anim-spin";
    static constexpr const char* kInlineAnimation = "anim-lift";

    static void WriteSection(Writer::XmlDocumentBuilder& b);
    // An "AttributeSet" with a camera of each kind, a view of each kind, a light of each kind
    // and the two animations.
    static void WriteAttributeSet(Writer::XmlDocumentBuilder& b);
    // The "Animations" list that places an animation on an object.
    static void WriteAnimationRefs(Writer::XmlDocumentBuilder& b, const char* animation);
    static void WriteAnimationFile(const std::string& path);
};

} // namespace Orvik::Sample
