#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Files, assemblies, parts and instances: the tree a host walks from the root.
class HierarchyDescriber {
public:
    static void Describe(const IFile& file, ObjectDescription& out);
    static void Describe(const IAssembly& assembly, ObjectDescription& out);
    static void Describe(const IPart& part, ObjectDescription& out);
    static void Describe(const IInstance& instance, ObjectDescription& out);

private:
    static void DescribeAttributeSets(const IAttributeSets& sets, ObjectDescription& out);
    static void DescribeComponent(const IComponent& component, ObjectDescription& out);
    static void DescribeCrossLevelAttributes(const IAssembly& assembly, ObjectDescription& out);
    static Json RefFiles(const IFile& file);
};

} // namespace Orvik::Inspect
