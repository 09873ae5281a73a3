#pragma once

#include "veld/ENTITY.h"

namespace Orvik::Veld {

// A face of a body; the document refers to it by its sub-entity id.
class FACE : public ENTITY {
public:
    explicit FACE(std::string subEntityId, std::string dxid = std::string())
        : ENTITY(EntityKind::kFace, std::move(dxid))
        , m_subEntityId(std::move(subEntityId)) {}

    const std::string& sub_entity_id() const { return m_subEntityId; }

private:
    std::string m_subEntityId;
};

} // namespace Orvik::Veld
