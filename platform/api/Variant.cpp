#include "orvik/api/Variant.h"

#include "orvik/api/GeneralException.h"

#include <array>

namespace Orvik {

namespace {

// In the order of the alternatives, which is also the order of Kind.
constexpr std::array<const char*, 10> kKindNames = {
    "empty", "int", "long", "bool", "double", "string", "wide string", "time", "blob", "id set"};

const char* KindName(std::size_t index) {
    // A variant left valueless by a failed assignment has no alternative index.
    return index < kKindNames.size() ? kKindNames[index] : "no value";
}

} // namespace

template <typename T>
const T& Variant::Get(const char* kindName) const {
    if (const T* value = std::get_if<T>(&m_value))
        return *value;
    throw GeneralException(UTF8String(std::string("Variant holds ") + KindName(m_value.index()) +
                                      ", not " + kindName + "."));
}

int Variant::AsInt() const {
    return Get<int>("int");
}
std::int64_t Variant::AsLong() const {
    return Get<std::int64_t>("long");
}
bool Variant::AsBool() const {
    return Get<bool>("bool");
}
double Variant::AsDouble() const {
    return Get<double>("double");
}
const UTF8String& Variant::AsString() const {
    return Get<UTF8String>("string");
}
const UTF16String& Variant::AsWString() const {
    return Get<UTF16String>("wide string");
}
const Time& Variant::AsTime() const {
    return Get<Time>("time");
}
const Blob& Variant::AsBlob() const {
    return Get<Blob>("blob");
}
const IdSet& Variant::AsIdSet() const {
    return Get<IdSet>("id set");
}

} // namespace Orvik
