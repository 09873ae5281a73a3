#pragma once

namespace Orvik {

// What the host wants loaded beyond the defaults.
class FilterOptions {
public:
    virtual ~FilterOptions() = default;
    bool WantSubdivMesh() const { return m_wantSubdivMesh; }
    void SetWantSubdivMesh(bool want) { m_wantSubdivMesh = want; }

private:
    bool m_wantSubdivMesh = false;
};

} // namespace Orvik
