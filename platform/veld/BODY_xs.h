#pragma once

#include "veld/BODY.h"

namespace Orvik::Veld {

// Checked view of an entity as a body: holds null when the entity is not one.
class BODY_xs {
public:
    explicit BODY_xs(ENTITY* entity)
        : m_body(entity != nullptr && entity->kind() == EntityKind::kBody
                     ? static_cast<BODY*>(entity)
                     : nullptr) {}

    BODY* get() const { return m_body; }
    explicit operator bool() const { return m_body != nullptr; }

private:
    BODY* m_body;
};

} // namespace Orvik::Veld
