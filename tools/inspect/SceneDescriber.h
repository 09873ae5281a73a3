#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Cameras, views, lights and keyframe animations.
class SceneDescriber {
public:
    static void Describe(const ICamera& camera, ObjectDescription& out);
    static void Describe(const ISectionCamera& camera, ObjectDescription& out);
    static void Describe(const IView& view, ObjectDescription& out);
    static void Describe(const IViewWithFlatToScreen& view, ObjectDescription& out);
    static void Describe(const ILight& light, ObjectDescription& out);
    static void Describe(const IKeyframeAnimation& animation, ObjectDescription& out);

private:
    static void DescribeCamera(const ICamera& camera, const char* interfaceName,
                               ObjectDescription& out);
    static void DescribeView(const IView& view, const char* interfaceName, ObjectDescription& out);
};

} // namespace Orvik::Inspect
