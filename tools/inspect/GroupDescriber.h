#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Geometric sets, extension geometry and sketches: geometry that gathers other geometry.
class GroupDescriber {
public:
    static void Describe(const IGeometricSet& set, ObjectDescription& out);
    static void Describe(const IExtensionGeometry& geometry, ObjectDescription& out);
    static void Describe(const ISketch& sketch, ObjectDescription& out);

private:
    // Units and geometry; the transform only when there is one other than the identity.
    template <typename Group>
    static void Begin(const Group& group, const char* interfaceName, ObjectDescription& out);
    static Json SketchTypeName(std::uint32_t type);
};

} // namespace Orvik::Inspect
