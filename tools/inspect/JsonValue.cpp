#include "JsonValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace Orvik::Inspect {

const JsonValue* JsonValue::Find(const std::string& key) const {
    for (const auto& field : m_fields)
        if (field.first == key)
            return &field.second;
    return nullptr;
}

JsonValue& JsonValue::Append(JsonValue value) {
    if (m_type != Type::kArray)
        throw std::logic_error("JsonValue::Append on a value that is not an array");
    m_items.push_back(std::move(value));
    return m_items.back();
}

JsonValue& JsonValue::Set(const std::string& key, JsonValue value) {
    if (m_type != Type::kObject)
        throw std::logic_error("JsonValue::Set on a value that is not an object");
    for (auto& field : m_fields) {
        if (field.first == key) {
            field.second = std::move(value);
            return field.second;
        }
    }
    m_fields.emplace_back(key, std::move(value));
    return m_fields.back().second;
}

std::string JsonValue::ToString(int indent) const {
    std::ostringstream out;
    Write(out, indent);
    return out.str();
}

void JsonValue::Write(std::ostream& out, int indent) const {
    Write(out, indent, 0);
}

void JsonValue::Write(std::ostream& out, int indent, int depth) const {
    const auto newline = [&](int level) {
        if (indent > 0)
            out << '\n' << std::string(static_cast<std::size_t>(level * indent), ' ');
    };
    switch (m_type) {
    case Type::kNull:
        out << "null";
        break;
    case Type::kBool:
        out << (m_bool ? "true" : "false");
        break;
    case Type::kNumber:
        WriteNumber(out, m_number);
        break;
    case Type::kString:
        WriteString(out, m_string);
        break;
    case Type::kArray:
        out << '[';
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            out << (i ? "," : "");
            newline(depth + 1);
            m_items[i].Write(out, indent, depth + 1);
        }
        if (!m_items.empty())
            newline(depth);
        out << ']';
        break;
    case Type::kObject:
        out << '{';
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            out << (i ? "," : "");
            newline(depth + 1);
            WriteString(out, m_fields[i].first);
            out << (indent > 0 ? ": " : ":");
            m_fields[i].second.Write(out, indent, depth + 1);
        }
        if (!m_fields.empty())
            newline(depth);
        out << '}';
        break;
    }
}

void JsonValue::WriteNumber(std::ostream& out, double value) {
    // JSON has no infinities or NaN.
    if (!std::isfinite(value)) {
        out << "null";
        return;
    }
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        out << static_cast<long long>(value);
        return;
    }
    // The shortest text that reads back as the same double.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.write(buffer, result.ptr - buffer);
}

void JsonValue::WriteString(std::ostream& out, const std::string& text) {
    out << '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out << escaped;
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

} // namespace Orvik::Inspect
