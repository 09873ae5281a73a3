#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/api/Variant.h"

namespace Orvik {

// A free key-value property of a file.
class CustomProperty {
public:
    void SetProperty(const UTF16String& key, const Variant& value) {
        m_key = key;
        m_value = value;
    }
    const UTF16String& Key() const { return m_key; }
    const Variant& Value() const { return m_value; }

private:
    UTF16String m_key;
    Variant m_value;
};

} // namespace Orvik
