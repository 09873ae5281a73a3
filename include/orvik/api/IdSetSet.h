#pragma once

#include "orvik/api/IdSet.h"

#include <cstddef>
#include <vector>

namespace Orvik {

// A list of id sets, such as occurrence paths, in document order.
class IdSetSet {
public:
    void AddWithoutUniquenessCheck(const IdSet& ids) { m_sets.push_back(ids); }

    std::size_t Size() const { return m_sets.size(); }
    bool IsEmpty() const { return m_sets.empty(); }
    // Throws std::out_of_range for an index not below Size().
    const IdSet& At(std::size_t index) const { return m_sets.at(index); }

    std::vector<IdSet>::const_iterator begin() const { return m_sets.begin(); }
    std::vector<IdSet>::const_iterator end() const { return m_sets.end(); }

    friend bool operator==(const IdSetSet& a, const IdSetSet& b) { return a.m_sets == b.m_sets; }

private:
    std::vector<IdSet> m_sets;
};

} // namespace Orvik
