#pragma once

#include <string>

namespace Orvik::Veld {

enum class EntityKind { kBody, kFace, kEdge, kCurve, kPoint };

// Base of every kernel object. The data-exchange id names an entity across files and
// applications; empty when it has none.
class ENTITY {
public:
    explicit ENTITY(EntityKind kind, std::string dxid = std::string())
        : m_kind(kind)
        , m_dxid(std::move(dxid)) {}
    virtual ~ENTITY() = default;
    ENTITY(const ENTITY&) = delete;
    ENTITY& operator=(const ENTITY&) = delete;

    EntityKind kind() const { return m_kind; }
    const std::string& dxid() const { return m_dxid; }
    void set_dxid(std::string dxid) { m_dxid = std::move(dxid); }

private:
    EntityKind m_kind;
    std::string m_dxid;
};

} // namespace Orvik::Veld
