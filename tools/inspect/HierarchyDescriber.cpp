#include "HierarchyDescriber.h"

#include "FilePropertiesDescriber.h"
#include "ValueFormatter.h"

namespace Orvik::Inspect {

void HierarchyDescriber::Describe(const IFile& file, ObjectDescription& out) {
    out.Begin(file, "IFile");
    DescribeAttributeSets(file, out);
    out.SetUnits(file);
    out.Set("FileProperties", FilePropertiesDescriber::Describe(file.FileProperties()));
    out.SetChildren(file);
    out.Set("IsRoot", file.IsRoot());
    UTF16String path;
    if (file.FullPath(path) == IsValueSpecifiedEnum::kSpecified)
        out.Set("FullPath", ValueFormatter::Text(path));
    Time modified;
    if (file.LastModificationTime(modified) == IsValueSpecifiedEnum::kSpecified)
        out.Set("LastModificationTime", ValueFormatter::TimeText(modified));
    out.Set("RefFileCount", file.RefFileCount());
    out.Set("RefFileAt", RefFiles(file));
}

void HierarchyDescriber::Describe(const IAssembly& assembly, ObjectDescription& out) {
    out.Begin(assembly, "IAssembly");
    DescribeAttributeSets(assembly, out);
    out.SetUnits(assembly);
    DescribeComponent(assembly, out);
    out.SetChildren(assembly);
    DescribeCrossLevelAttributes(assembly, out);
}

void HierarchyDescriber::Describe(const IPart& part, ObjectDescription& out) {
    out.Begin(part, "IPart");
    DescribeAttributeSets(part, out);
    out.SetUnits(part);
    DescribeComponent(part, out);
    out.SetChildren(part);
}

void HierarchyDescriber::Describe(const IInstance& instance, ObjectDescription& out) {
    out.Begin(instance, "IInstance");
    out.SetUnits(instance);
    out.Set("Transform", ValueFormatter::Matrix(instance.Transform()));
    out.Set("InstanceChild", out.ChildIdValue(instance.InstanceChild()));
    UTF8String configId;
    if (instance.InstanceChildConfigId(configId) == IsValueSpecifiedEnum::kSpecified)
        out.Set("InstanceChildConfigId", ValueFormatter::Text(configId));
    out.Set("IsVisible", instance.IsVisible());
    out.Set("IsNetVisible", instance.IsNetVisible());
    out.SetIds("Styles", instance.Styles());
    out.SetIds("NetStyles", instance.NetStyles());
    out.SetIds("Materials", instance.Materials());
}

void HierarchyDescriber::DescribeAttributeSets(const IAttributeSets& sets, ObjectDescription& out) {
    out.SetIds("StyleSet", sets.StyleSet());
    out.SetIds("TextureSet", sets.TextureSet());
    out.SetIds("LayerSet", sets.LayerSet());
    out.SetIds("GroupSet", sets.GroupSet());
    out.SetIds("LodSet", sets.LodSet());
    out.SetIds("AnimationSet", sets.AnimationSet());
    out.SetIds("CameraSet", sets.CameraSet());
    out.SetIds("ViewSet", sets.ViewSet());
    out.SetIds("MaterialSet", sets.MaterialSet());
    out.SetIds("LightSet", sets.LightSet());
}

void HierarchyDescriber::DescribeComponent(const IComponent& component, ObjectDescription& out) {
    out.Set("FileProperties", FilePropertiesDescriber::Describe(component.FileProperties()));
    out.SetIds("Styles", component.Styles());
    out.Set("IsSingleUnderRoot", component.IsSingleUnderRoot());
    out.SetIds("ConfigSet", component.ConfigSet());
    UTF8String configId;
    if (component.DefaultConfigId(configId) == IsValueSpecifiedEnum::kSpecified)
        out.Set("DefaultConfigId", ValueFormatter::Text(configId));
    out.SetIds("Materials", component.Materials());
}

void HierarchyDescriber::DescribeCrossLevelAttributes(const IAssembly& assembly,
                                                      ObjectDescription& out) {
    IdSet path;
    out.Set("EntityVisibilityCount", assembly.EntityVisibilityCount());
    out.Set("EntityVisibilityAt",
            ValueFormatter::Indexed(assembly.EntityVisibilityCount(), [&](std::uint64_t i) {
                bool visible = false;
                assembly.EntityVisibilityAt(i, path, visible);
                return Json{{"path", ValueFormatter::Ids(path)}, {"visible", visible}};
            }));
    out.Set("EntityStylesCount", assembly.EntityStylesCount());
    out.Set("EntityStylesAt",
            ValueFormatter::Indexed(assembly.EntityStylesCount(), [&](std::uint64_t i) {
                IdSet styles;
                assembly.EntityStylesAt(i, path, styles);
                out.Refer(styles);
                return Json{{"path", ValueFormatter::Ids(path)},
                            {"styles", ValueFormatter::Ids(styles)}};
            }));
    out.Set("EntityTransformationCount", assembly.EntityTransformationCount());
    out.Set("EntityTransformationAt",
            ValueFormatter::Indexed(assembly.EntityTransformationCount(), [&](std::uint64_t i) {
                Matrix3d transform;
                assembly.EntityTransformationAt(i, path, transform);
                return Json{{"path", ValueFormatter::Ids(path)},
                            {"transform", ValueFormatter::Matrix(transform)}};
            }));
}

Json HierarchyDescriber::RefFiles(const IFile& file) {
    return ValueFormatter::Indexed(file.RefFileCount(), [&](std::uint64_t i) {
        UTF8String id;
        UTF16String path;
        if (!file.RefFileAt(i, id, path))
            return Json::object();
        return Json{{"id", ValueFormatter::Text(id)}, {"path", ValueFormatter::Text(path)}};
    });
}

} // namespace Orvik::Inspect
