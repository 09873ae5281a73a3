#include "HierarchyTreeRenderer.h"

#include <vector>

namespace Orvik::Inspect {
namespace {

constexpr const char* kAttributeSets[] = {"StyleSet",    "TextureSet",   "LayerSet",  "GroupSet",
                                          "LodSet",      "AnimationSet", "CameraSet", "ViewSet",
                                          "MaterialSet", "LightSet"};
constexpr const char* kUnits[] = {"LengthUnit", "DisplayAngleUnit", "DisplayLengthUnit"};
constexpr const char* kFlags[] = {"IsRoot", "IsSingleUnderRoot", "IsVisible", "IsNetVisible"};

bool IsIdentity(const JsonValue& matrix) {
    const auto& values = matrix.Items();
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i].AsNumber() != (i % 5 == 0 ? 1.0 : 0.0))
            return false;
    return true;
}

void Indent(std::ostream& out, int depth) {
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
}

} // namespace

void HierarchyTreeRenderer::Render(const JsonValue& model, std::ostream& out) {
    const JsonValue* objects = model.Find("objects");
    const JsonValue* rootId = model.Find("rootId");
    out << "hierarchy:";
    if (objects == nullptr || rootId == nullptr || rootId->IsNull()) {
        out << " none (no root file)\n";
        return;
    }
    out << '\n';
    HierarchyTreeRenderer(*objects, out).RenderObject(rootId->AsString(), 1);
}

HierarchyTreeRenderer::HierarchyTreeRenderer(const JsonValue& objects, std::ostream& out)
    : m_out(out) {
    for (const JsonValue& object : objects.Items())
        if (const JsonValue* id = object.Find("id"))
            m_byId.emplace(id->AsString(), &object);
}

void HierarchyTreeRenderer::RenderObject(const std::string& id, int depth) {
    Indent(m_out, depth);
    const auto found = m_byId.find(id);
    if (found == m_byId.end()) {
        m_out << id << " (missing)\n";
        return;
    }
    const JsonValue& object = *found->second;
    m_out << object.Find("interface")->AsString() << ' ' << id;
    if (!m_printed.insert(id).second) {
        m_out << " (shown above)\n";
        return;
    }
    RenderSummary(object);
    m_out << '\n';
    RenderChildren(object, depth + 1);
}

void HierarchyTreeRenderer::RenderSummary(const JsonValue& object) {
    const JsonValue* label = object.Find("Label");
    if (label && !label->AsString().empty())
        m_out << " \"" << label->AsString() << '"';
    for (const char* flag : kFlags)
        if (const JsonValue* value = object.Find(flag); value && value->AsBool())
            m_out << ", " << flag;
    for (const char* unit : kUnits)
        if (const JsonValue* value = object.Find(unit);
            value && value->AsString() != "kUnitType_Unknown")
            m_out << ", " << unit << ' ' << value->AsString();
    for (const char* set : kAttributeSets)
        if (const JsonValue* value = object.Find(set); value && !value->Items().empty())
            m_out << ", " << set << ' ' << value->Items().size();
    if (const JsonValue* properties = object.Find("FileProperties");
        properties && properties->GetType() == JsonValue::Type::kObject)
        if (const JsonValue* title = properties->Find("Title"))
            m_out << ", Title \"" << title->AsString() << '"';
    if (const JsonValue* transform = object.Find("Transform"); transform && !IsIdentity(*transform))
        m_out << ", Transform " << transform->ToString(0);
}

void HierarchyTreeRenderer::RenderChildren(const JsonValue& object, int depth) {
    std::vector<std::string> children;
    if (const JsonValue* placed = object.Find("InstanceChild"); placed && !placed->IsNull())
        children.push_back(placed->AsString());
    // Containers list children under "ChildAt"; a sketch its curves and points under "IdAt".
    for (const char* list : {"ChildAt", "IdAt"})
        if (const JsonValue* entries = object.Find(list))
            for (const JsonValue& child : entries->Items())
                children.push_back(child.IsNull() ? std::string("(null)") : child.AsString());
    for (const std::string& child : children)
        RenderObject(child, depth);
}

} // namespace Orvik::Inspect
