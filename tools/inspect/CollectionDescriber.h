#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Groups, layers, levels of detail and assembly feature overrides: what gathers or stands in
// for objects across the hierarchy.
class CollectionDescriber {
public:
    static void Describe(const IGroup& group, ObjectDescription& out);
    static void Describe(const ILayer& layer, ObjectDescription& out);
    static void Describe(const ILod& lod, ObjectDescription& out);
    static void Describe(const IAssemblyFeatureOverride& featureOverride, ObjectDescription& out);

private:
    static Json Paths(const OccurrencePathCollection& paths);
};

} // namespace Orvik::Inspect
