#pragma once

#include "orvik/api/Blob.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/Time.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <cstdint>
#include <variant>

namespace Orvik {

// A typed value of custom data and properties.
class Variant {
public:
    enum class Kind {
        kEmpty,
        kInt,
        kLong,
        kBool,
        kDouble,
        kString,
        kWString,
        kTime,
        kBlob,
        kIdSet
    };

    Variant() = default;
    explicit Variant(int value)
        : m_value(value) {}
    explicit Variant(std::int64_t value)
        : m_value(value) {}
    explicit Variant(bool value)
        : m_value(value) {}
    explicit Variant(double value)
        : m_value(value) {}
    explicit Variant(UTF8String value)
        : m_value(std::move(value)) {}
    explicit Variant(UTF16String value)
        : m_value(std::move(value)) {}
    explicit Variant(Time value)
        : m_value(value) {}
    explicit Variant(Blob value)
        : m_value(std::move(value)) {}
    explicit Variant(IdSet value)
        : m_value(std::move(value)) {}

    Kind GetKind() const { return static_cast<Kind>(m_value.index()); }
    bool IsEmpty() const { return GetKind() == Kind::kEmpty; }

    // Each throws GeneralException when the variant holds another kind.
    int AsInt() const;
    std::int64_t AsLong() const;
    bool AsBool() const;
    double AsDouble() const;
    const UTF8String& AsString() const;
    const UTF16String& AsWString() const;
    const Time& AsTime() const;
    const Blob& AsBlob() const;
    const IdSet& AsIdSet() const;

    friend bool operator==(const Variant& a, const Variant& b) { return a.m_value == b.m_value; }

private:
    template <typename T>
    const T& Get(const char* kindName) const;

    std::variant<std::monostate, int, std::int64_t, bool, double, UTF8String, UTF16String, Time,
                 Blob, IdSet>
        m_value;
};

} // namespace Orvik
