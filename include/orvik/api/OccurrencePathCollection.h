#pragma once

#include "orvik/api/IdSet.h"

#include <cstddef>
#include <vector>

namespace Orvik {

// Occurrence paths, each the ids of the instances from the outermost in, in the order added.
class OccurrencePathCollection {
public:
    void AddPath(const IdSet& path) { m_paths.push_back(path); }

    std::size_t PathCount() const { return m_paths.size(); }
    // Throws std::out_of_range for an index not below PathCount().
    const IdSet& PathAt(std::size_t index) const { return m_paths.at(index); }
    bool IsEmpty() const { return m_paths.empty(); }

private:
    std::vector<IdSet> m_paths;
};

} // namespace Orvik
