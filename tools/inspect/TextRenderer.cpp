#include "TextRenderer.h"

#include <string>

namespace Orvik::Inspect {
namespace {

void Indent(std::ostream& out, int depth) {
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
}

} // namespace

void TextRenderer::Render(const JsonValue& model, std::ostream& out) {
    RenderValue(model, out, 0);
}

bool TextRenderer::IsScalar(const JsonValue& value) {
    return value.GetType() != JsonValue::Type::kArray &&
           value.GetType() != JsonValue::Type::kObject;
}

bool TextRenderer::IsScalarList(const JsonValue& value) {
    if (value.GetType() == JsonValue::Type::kObject)
        return value.Fields().size() <= 4 && [&] {
            for (const auto& field : value.Fields())
                if (!IsScalar(field.second))
                    return false;
            return true;
        }();
    if (value.GetType() != JsonValue::Type::kArray || value.Items().size() > 16)
        return false;
    for (const JsonValue& item : value.Items())
        if (!IsScalar(item))
            return false;
    return true;
}

void TextRenderer::RenderInline(const JsonValue& value, std::ostream& out) {
    switch (value.GetType()) {
    case JsonValue::Type::kString:
        out << value.AsString();
        break;
    case JsonValue::Type::kArray: {
        out << '[';
        const char* separator = "";
        for (const JsonValue& item : value.Items()) {
            out << separator;
            RenderInline(item, out);
            separator = ", ";
        }
        out << ']';
        break;
    }
    case JsonValue::Type::kObject: {
        out << '(';
        const char* separator = "";
        for (const auto& field : value.Fields()) {
            out << separator << field.first << ' ';
            RenderInline(field.second, out);
            separator = ", ";
        }
        out << ')';
        break;
    }
    default:
        value.Write(out, 0);
    }
}

void TextRenderer::RenderValue(const JsonValue& value, std::ostream& out, int depth) {
    if (value.GetType() == JsonValue::Type::kArray) {
        for (const JsonValue& item : value.Items()) {
            Indent(out, depth);
            out << "- ";
            if (item.GetType() == JsonValue::Type::kObject) {
                RenderObjectEntry(item, out, depth + 1);
            } else {
                RenderInline(item, out);
                out << '\n';
            }
        }
        return;
    }
    for (const auto& field : value.Fields()) {
        Indent(out, depth);
        out << field.first << ':';
        if (IsScalar(field.second) || IsScalarList(field.second)) {
            out << ' ';
            RenderInline(field.second, out);
            out << '\n';
        } else {
            out << '\n';
            RenderValue(field.second, out, depth + 1);
        }
    }
}

// An object in a list starts with its interface and id on the dash line when it has them.
void TextRenderer::RenderObjectEntry(const JsonValue& object, std::ostream& out, int depth) {
    const JsonValue* interfaceName = object.Find("interface");
    const JsonValue* id = object.Find("id");
    if (interfaceName && id) {
        out << interfaceName->AsString() << ' ' << id->AsString() << '\n';
        JsonValue rest = JsonValue::Object();
        for (const auto& field : object.Fields())
            if (field.first != "interface" && field.first != "id")
                rest.Set(field.first, field.second);
        RenderValue(rest, out, depth);
        return;
    }
    bool flat = true;
    for (const auto& field : object.Fields())
        flat = flat && (IsScalar(field.second) || IsScalarList(field.second));
    if (flat) {
        const char* separator = "";
        for (const auto& field : object.Fields()) {
            out << separator << field.first << ": ";
            RenderInline(field.second, out);
            separator = ", ";
        }
        out << '\n';
        return;
    }
    out << '\n';
    RenderValue(object, out, depth);
}

} // namespace Orvik::Inspect
