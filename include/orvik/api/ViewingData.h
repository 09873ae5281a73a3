#pragma once

#include "orvik/api/Vector.h"

namespace Orvik {

// The document's up, front and north directions; each may be unset.
class ViewingData {
public:
    void SetUpVector(const Vector& v) { Store(m_up, m_hasUp, v); }
    void SetFrontVector(const Vector& v) { Store(m_front, m_hasFront, v); }
    void SetNorthVector(const Vector& v) { Store(m_north, m_hasNorth, v); }
    bool UpVector(Vector& v) const { return Load(m_up, m_hasUp, v); }
    bool FrontVector(Vector& v) const { return Load(m_front, m_hasFront, v); }
    bool NorthVector(Vector& v) const { return Load(m_north, m_hasNorth, v); }

private:
    static void Store(Vector& slot, bool& has, const Vector& v) {
        slot = v;
        has = true;
    }
    static bool Load(const Vector& slot, bool has, Vector& v) {
        if (has)
            v = slot;
        return has;
    }

    Vector m_up, m_front, m_north;
    bool m_hasUp = false, m_hasFront = false, m_hasNorth = false;
};

} // namespace Orvik
