#pragma once

#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <memory>
#include <unordered_set>
#include <vector>

namespace Orvik {

// Ids in document order. A hash index keeps the uniqueness check O(1) once the set is large;
// small sets search their few ids. Most sets of a model are empty (an object has a dozen kinds of
// sets and uses few), so an empty set is one null pointer.
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

    std::size_t Size() const { return m_held ? m_held->ids.size() : 0; }
    bool IsEmpty() const { return Size() == 0; }
    // Throws std::out_of_range for an index not below Size().
    const UTF8String& At(std::size_t index) const;
    bool Contains(const UTF8String& id) const;
    void Clear();

    std::vector<UTF8String>::const_iterator begin() const { return Ids().begin(); }
    std::vector<UTF8String>::const_iterator end() const { return Ids().end(); }

    friend bool operator==(const IdSet& a, const IdSet& b) { return a.Ids() == b.Ids(); }
    friend bool operator!=(const IdSet& a, const IdSet& b) { return !(a == b); }

private:
    // Sets up to this size have no index.
    static constexpr std::size_t kIndexedFrom = 16;

    struct Held {
        std::vector<UTF8String> ids;
        std::unique_ptr<std::unordered_set<UTF8String>> index;
    };

    const std::vector<UTF8String>& Ids() const;
    Held& EnsureHeld();
    void IndexIfLarge();

    // Null while the set is empty.
    std::unique_ptr<Held> m_held;
};

} // namespace Orvik
