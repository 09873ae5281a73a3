#pragma once

#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <memory>
#include <unordered_set>
#include <vector>

namespace Orvik {

// Ids in document order. A hash index keeps the uniqueness check O(1) once the set is large;
// small sets, the most common by far, search their few ids and stay small themselves.
class IdSet {
public:
    IdSet() = default;
    IdSet(std::initializer_list<UTF8String> ids);
    IdSet(const IdSet& other);
    IdSet& operator=(const IdSet& other);
    IdSet(IdSet&&) noexcept = default;
    IdSet& operator=(IdSet&&) noexcept = default;
    ~IdSet();

    // Adds the id unless it is held; answers whether it was added.
    bool AddWithUniquenessCheck(const UTF8String& id);
    void AddWithoutUniquenessCheck(const UTF8String& id);

    std::size_t Size() const { return m_ids.size(); }
    bool IsEmpty() const { return m_ids.empty(); }
    // Throws std::out_of_range for an index not below Size().
    const UTF8String& At(std::size_t index) const;
    bool Contains(const UTF8String& id) const;
    void Clear();

    std::vector<UTF8String>::const_iterator begin() const { return m_ids.begin(); }
    std::vector<UTF8String>::const_iterator end() const { return m_ids.end(); }

    friend bool operator==(const IdSet& a, const IdSet& b) { return a.m_ids == b.m_ids; }
    friend bool operator!=(const IdSet& a, const IdSet& b) { return !(a == b); }

private:
    // Sets up to this size have no index.
    static constexpr std::size_t kIndexedFrom = 16;

    void IndexIfLarge();

    std::vector<UTF8String> m_ids;
    std::unique_ptr<std::unordered_set<UTF8String>> m_index;
};

} // namespace Orvik
