#include "TextRenderer.h"

#include <string>

namespace Orvik::Inspect {
namespace {

void Indent(std::ostream& out, int depth) {
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
}

bool AllScalar(const Json& value, bool (*isScalar)(const Json&)) {
    for (const Json& item : value)
        if (!isScalar(item))
            return false;
    return true;
}

} // namespace

void TextRenderer::Render(const Json& model, std::ostream& out) {
    RenderValue(model, out, 0);
}

bool TextRenderer::IsScalar(const Json& value) {
    return !value.is_structured();
}

// Short lists and small flat objects print on their field's line.
bool TextRenderer::IsScalarList(const Json& value) {
    if (value.is_object())
        return value.size() <= 4 && AllScalar(value, IsScalar);
    return value.is_array() && value.size() <= 16 && AllScalar(value, IsScalar);
}

void TextRenderer::RenderInline(const Json& value, std::ostream& out) {
    if (value.is_string()) {
        out << value.get_ref<const std::string&>();
    } else if (value.is_array()) {
        out << '[';
        const char* separator = "";
        for (const Json& item : value) {
            out << separator;
            RenderInline(item, out);
            separator = ", ";
        }
        out << ']';
    } else if (value.is_object()) {
        out << '(';
        const char* separator = "";
        for (const auto& [name, field] : value.items()) {
            out << separator << name << ' ';
            RenderInline(field, out);
            separator = ", ";
        }
        out << ')';
    } else {
        out << JsonText(value);
    }
}

void TextRenderer::RenderValue(const Json& value, std::ostream& out, int depth) {
    if (value.is_array()) {
        for (const Json& item : value) {
            Indent(out, depth);
            out << "- ";
            if (item.is_object()) {
                RenderObjectEntry(item, out, depth + 1);
            } else {
                RenderInline(item, out);
                out << '\n';
            }
        }
        return;
    }
    for (const auto& [name, field] : value.items()) {
        Indent(out, depth);
        out << name << ':';
        if (IsScalar(field) || IsScalarList(field)) {
            out << ' ';
            RenderInline(field, out);
            out << '\n';
        } else {
            out << '\n';
            RenderValue(field, out, depth + 1);
        }
    }
}

// An object in a list starts with its interface and id on the dash line when it has them.
void TextRenderer::RenderObjectEntry(const Json& object, std::ostream& out, int depth) {
    const auto interfaceName = object.find("interface");
    const auto id = object.find("id");
    if (interfaceName != object.end() && id != object.end()) {
        out << interfaceName->get_ref<const std::string&>() << ' '
            << id->get_ref<const std::string&>() << '\n';
        Json rest = object;
        rest.erase("interface");
        rest.erase("id");
        RenderValue(rest, out, depth);
        return;
    }
    bool flat = true;
    for (const Json& field : object)
        flat = flat && (IsScalar(field) || IsScalarList(field));
    if (flat) {
        const char* separator = "";
        for (const auto& [name, field] : object.items()) {
            out << separator << name << ": ";
            RenderInline(field, out);
            separator = ", ";
        }
        out << '\n';
        return;
    }
    out << '\n';
    RenderValue(object, out, depth);
}

} // namespace Orvik::Inspect
