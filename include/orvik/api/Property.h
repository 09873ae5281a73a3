#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/Variant.h"

namespace Orvik {

// One named value that the property side file attaches to an object.
class Property {
public:
    Property() = default;
    Property(UTF8String objectId, UTF16String name, Variant value)
        : m_objectId(std::move(objectId))
        , m_name(std::move(name))
        , m_value(std::move(value)) {}

    const UTF8String& ObjectId() const { return m_objectId; }
    const UTF16String& Name() const { return m_name; }
    const Variant& Value() const { return m_value; }

private:
    UTF8String m_objectId;
    UTF16String m_name;
    Variant m_value;
};

} // namespace Orvik
