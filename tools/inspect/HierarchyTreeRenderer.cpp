#include "HierarchyTreeRenderer.h"

#include <vector>

namespace Orvik::Inspect {
namespace {

constexpr const char* kAttributeSets[] = {"StyleSet",    "TextureSet",   "LayerSet",  "GroupSet",
                                          "LodSet",      "AnimationSet", "CameraSet", "ViewSet",
                                          "MaterialSet", "LightSet"};
constexpr const char* kUnits[] = {"LengthUnit", "DisplayAngleUnit", "DisplayLengthUnit"};
constexpr const char* kFlags[] = {"IsRoot", "IsSingleUnderRoot", "IsVisible", "IsNetVisible"};

bool IsIdentity(const Json& matrix) {
    for (std::size_t i = 0; i < matrix.size(); ++i)
        if (matrix[i].get<double>() != (i % 5 == 0 ? 1.0 : 0.0))
            return false;
    return true;
}

void Indent(std::ostream& out, int depth) {
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
}

// The field, or null when the object has none.
const Json* Field(const Json& object, const char* name) {
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

const std::string& Text(const Json& value) {
    return value.get_ref<const std::string&>();
}

} // namespace

void HierarchyTreeRenderer::Render(const Json& model, std::ostream& out) {
    const Json* objects = Field(model, "objects");
    const Json* rootId = Field(model, "rootId");
    out << "hierarchy:";
    if (objects == nullptr || rootId == nullptr || rootId->is_null()) {
        out << " none (no root file)\n";
        return;
    }
    out << '\n';
    HierarchyTreeRenderer(*objects, out).RenderObject(Text(*rootId), 1);
}

HierarchyTreeRenderer::HierarchyTreeRenderer(const Json& objects, std::ostream& out)
    : m_out(out) {
    for (const Json& object : objects)
        if (const Json* id = Field(object, "id"))
            m_byId.emplace(Text(*id), &object);
}

void HierarchyTreeRenderer::RenderObject(const std::string& id, int depth) {
    Indent(m_out, depth);
    const auto found = m_byId.find(id);
    if (found == m_byId.end()) {
        m_out << id << " (missing)\n";
        return;
    }
    const Json& object = *found->second;
    m_out << Text(object.at("interface")) << ' ' << id;
    if (!m_printed.insert(id).second) {
        m_out << " (shown above)\n";
        return;
    }
    RenderSummary(object);
    m_out << '\n';
    RenderChildren(object, depth + 1);
}

void HierarchyTreeRenderer::RenderSummary(const Json& object) {
    const Json* label = Field(object, "Label");
    if (label && !Text(*label).empty())
        m_out << " \"" << Text(*label) << '"';
    for (const char* flag : kFlags)
        if (const Json* value = Field(object, flag); value && value->get<bool>())
            m_out << ", " << flag;
    for (const char* unit : kUnits)
        if (const Json* value = Field(object, unit); value && Text(*value) != "kUnitType_Unknown")
            m_out << ", " << unit << ' ' << Text(*value);
    for (const char* set : kAttributeSets)
        if (const Json* value = Field(object, set); value && !value->empty())
            m_out << ", " << set << ' ' << value->size();
    if (const Json* properties = Field(object, "FileProperties");
        properties && properties->is_object())
        if (const Json* title = Field(*properties, "Title"))
            m_out << ", Title \"" << Text(*title) << '"';
    if (const Json* transform = Field(object, "Transform"); transform && !IsIdentity(*transform))
        m_out << ", Transform " << JsonText(*transform);
}

void HierarchyTreeRenderer::RenderChildren(const Json& object, int depth) {
    std::vector<std::string> children;
    if (const Json* placed = Field(object, "InstanceChild"); placed && !placed->is_null())
        children.push_back(Text(*placed));
    // Containers list children under "ChildAt"; a sketch its curves and points under "IdAt".
    for (const char* list : {"ChildAt", "IdAt"})
        if (const Json* entries = Field(object, list))
            for (const Json& child : *entries)
                children.push_back(child.is_null() ? std::string("(null)") : Text(child));
    // Styles and materials show under the file, assembly or part that holds them.
    for (const char* set : {"StyleSet", "MaterialSet"})
        if (const Json* entries = Field(object, set))
            for (const Json& member : *entries)
                children.push_back(Text(member));
    if (children.empty())
        return;
    if (depth > kMaxDepth) {
        Indent(m_out, depth);
        m_out << kDeeperNote << '\n';
        return;
    }
    for (const std::string& child : children)
        RenderObject(child, depth);
}

} // namespace Orvik::Inspect
