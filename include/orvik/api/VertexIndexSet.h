#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace Orvik {

// Indices into a mesh's vertex list, in the order given. Up to four are held in place, so the
// triangles and quads that make up most meshes cost no allocation of their own.
class VertexIndexSet {
public:
    VertexIndexSet() = default;
    VertexIndexSet(const VertexIndexSet& other);
    VertexIndexSet& operator=(const VertexIndexSet& other);
    VertexIndexSet(VertexIndexSet&&) noexcept = default;
    VertexIndexSet& operator=(VertexIndexSet&&) noexcept = default;
    ~VertexIndexSet() = default;

    void Append(std::uint32_t index);
    void Reserve(std::size_t count);
    std::size_t Size() const { return m_spilled ? m_spilled->size() : m_inPlaceCount; }
    bool IsEmpty() const { return Size() == 0; }
    // Throws std::out_of_range for an index not below Size().
    std::uint32_t At(std::size_t position) const;
    const std::uint32_t* begin() const { return m_spilled ? m_spilled->data() : m_inPlace.data(); }
    const std::uint32_t* end() const { return begin() + Size(); }
    // A copy of the indices.
    std::vector<std::uint32_t> Indices() const { return {begin(), end()}; }

    friend bool operator==(const VertexIndexSet& a, const VertexIndexSet& b);

private:
    static constexpr std::size_t kInPlace = 4;

    void Spill(std::size_t capacity);

    std::uint32_t m_inPlaceCount = 0;
    std::array<std::uint32_t, kInPlace> m_inPlace{};
    // Every index once there are more than fit in place.
    std::unique_ptr<std::vector<std::uint32_t>> m_spilled;
};

} // namespace Orvik
