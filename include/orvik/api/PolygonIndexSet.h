#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Orvik {

// Indices into a mesh's polygon list, in the order given.
class PolygonIndexSet {
public:
    void Add(std::uint32_t index) { m_indices.push_back(index); }
    void Reserve(std::size_t count) { m_indices.reserve(count); }
    std::size_t Size() const { return m_indices.size(); }
    bool IsEmpty() const { return m_indices.empty(); }
    // Throws std::out_of_range for an index not below Size().
    std::uint32_t At(std::size_t position) const { return m_indices.at(position); }
    const std::vector<std::uint32_t>& Indices() const { return m_indices; }

private:
    std::vector<std::uint32_t> m_indices;
};

} // namespace Orvik
