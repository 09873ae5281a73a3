#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <map>

namespace Orvik {

// Render styles of a geometry's faces and edges, by sub-entity id.
class SubEntityToStylesMap {
public:
    // A later set for the same sub-entity replaces the earlier one.
    void SetStyles(const UTF8String& subEntityId, const IdSet& styles) {
        m_styles[subEntityId] = styles;
    }
    void Remove(const UTF8String& subEntityId) { m_styles.erase(subEntityId); }
    void Clear() { m_styles.clear(); }
    std::size_t Size() const { return m_styles.size(); }
    bool IsEmpty() const { return m_styles.empty(); }
    const std::map<UTF8String, IdSet>& Styles() const { return m_styles; }

private:
    std::map<UTF8String, IdSet> m_styles;
};

} // namespace Orvik
