#include "TextReport.h"

#include "HierarchyTreeRenderer.h"
#include "TextRenderer.h"

#include <string>

namespace Orvik::Inspect {
namespace {

const std::string& Text(const Json& entry, const char* name) {
    return entry.at(name).get_ref<const std::string&>();
}

} // namespace

void TextReport::Print(const Json& model, bool allObjects, std::ostream& out) {
    Json header = Json::object();
    for (const auto& [name, value] : model.items())
        if (name != "objects" && name != "diagnostics")
            header[name] = value;
    TextRenderer::Render(header, out);
    HierarchyTreeRenderer::Render(model, out);
    if (allObjects)
        TextRenderer::Render(Json{{"objects", model.at("objects")}}, out);
    if (const auto diagnostics = model.find("diagnostics"); diagnostics != model.end())
        PrintDiagnostics(*diagnostics, out);
}

// One line per entry, so the list reads like a compiler's messages.
void TextReport::PrintDiagnostics(const Json& diagnostics, std::ostream& out) {
    out << "diagnostics:";
    if (diagnostics.empty()) {
        out << " none\n";
        return;
    }
    out << '\n';
    for (const Json& entry : diagnostics) {
        out << "  - " << Text(entry, "severity") << ' ' << Text(entry, "code");
        if (!Text(entry, "path").empty())
            out << ' ' << Text(entry, "path");
        out << ": " << Text(entry, "message") << '\n';
    }
}

} // namespace Orvik::Inspect
