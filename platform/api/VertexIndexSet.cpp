#include "orvik/api/VertexIndexSet.h"

#include <algorithm>
#include <stdexcept>

namespace Orvik {

VertexIndexSet::VertexIndexSet(const VertexIndexSet& other)
    : m_inPlaceCount(other.m_inPlaceCount)
    , m_inPlace(other.m_inPlace) {
    if (other.m_spilled)
        m_spilled = std::make_unique<std::vector<std::uint32_t>>(*other.m_spilled);
}

VertexIndexSet& VertexIndexSet::operator=(const VertexIndexSet& other) {
    if (this != &other) {
        VertexIndexSet copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void VertexIndexSet::Append(std::uint32_t index) {
    if (!m_spilled) {
        if (m_inPlaceCount < kInPlace) {
            m_inPlace[m_inPlaceCount++] = index;
            return;
        }
        Spill(kInPlace * 2);
    }
    m_spilled->push_back(index);
}

void VertexIndexSet::Reserve(std::size_t count) {
    if (count > kInPlace || m_spilled)
        Spill(count);
}

void VertexIndexSet::Spill(std::size_t capacity) {
    if (m_spilled) {
        m_spilled->reserve(capacity);
        return;
    }
    auto spilled = std::make_unique<std::vector<std::uint32_t>>();
    spilled->reserve(std::max<std::size_t>(capacity, m_inPlaceCount));
    spilled->assign(m_inPlace.begin(), m_inPlace.begin() + m_inPlaceCount);
    m_spilled = std::move(spilled);
    m_inPlaceCount = 0;
}

std::uint32_t VertexIndexSet::At(std::size_t position) const {
    if (position >= Size())
        throw std::out_of_range("invalid vector subscript");
    return begin()[position];
}

bool operator==(const VertexIndexSet& a, const VertexIndexSet& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace Orvik
