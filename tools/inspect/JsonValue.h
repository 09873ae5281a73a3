#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace Orvik::Inspect {

// A JSON value whose objects keep their fields in insertion order, so the output follows
// the order in which the inspector walks the model.
class JsonValue {
public:
    enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

    JsonValue() = default;
    JsonValue(std::nullptr_t) {}
    JsonValue(bool value)
        : m_type(Type::kBool)
        , m_bool(value) {}
    JsonValue(double value)
        : m_type(Type::kNumber)
        , m_number(value) {}
    JsonValue(int value)
        : JsonValue(static_cast<double>(value)) {}
    JsonValue(unsigned value)
        : JsonValue(static_cast<double>(value)) {}
    JsonValue(std::int64_t value)
        : JsonValue(static_cast<double>(value)) {}
    JsonValue(std::uint64_t value)
        : JsonValue(static_cast<double>(value)) {}
    JsonValue(std::string value)
        : m_type(Type::kString)
        , m_string(std::move(value)) {}
    JsonValue(const char* value)
        : JsonValue(std::string(value)) {}

    static JsonValue Array() { return JsonValue(Type::kArray); }
    static JsonValue Object() { return JsonValue(Type::kObject); }

    Type GetType() const { return m_type; }
    bool IsNull() const { return m_type == Type::kNull; }
    bool AsBool() const { return m_bool; }
    double AsNumber() const { return m_number; }
    const std::string& AsString() const { return m_string; }
    const std::vector<JsonValue>& Items() const { return m_items; }
    const std::vector<std::pair<std::string, JsonValue>>& Fields() const { return m_fields; }
    // Null when the object has no such field.
    const JsonValue* Find(const std::string& key) const;

    // Arrays only.
    JsonValue& Append(JsonValue value);
    // Objects only; a key set twice keeps its first place and takes the new value.
    JsonValue& Set(const std::string& key, JsonValue value);

    void Write(std::ostream& out, int indent = 2) const;
    std::string ToString(int indent = 2) const;

    static void WriteString(std::ostream& out, const std::string& text);

private:
    explicit JsonValue(Type type)
        : m_type(type) {}
    void Write(std::ostream& out, int indent, int depth) const;
    static void WriteNumber(std::ostream& out, double value);

    Type m_type = Type::kNull;
    bool m_bool = false;
    double m_number = 0.0;
    std::string m_string;
    std::vector<JsonValue> m_items;
    std::vector<std::pair<std::string, JsonValue>> m_fields;
};

} // namespace Orvik::Inspect
