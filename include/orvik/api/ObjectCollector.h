#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Orvik {

// Owns every object of a load and finds it by id in O(1).
class ObjectCollector {
public:
    ObjectCollector() = default;
    ~ObjectCollector();
    ObjectCollector(const ObjectCollector&) = delete;
    ObjectCollector& operator=(const ObjectCollector&) = delete;

    // Takes the object. An id that is already held refuses the newcomer, which is destroyed
    // here; answers whether the object was added. A null object is refused.
    bool AddObject(std::unique_ptr<IObject> object);
    bool HasObject(const UTF8String& id) const { return m_byId.count(id) != 0; }
    // Null when no object has the id.
    IObject* QueryObject(const UTF8String& id) const;
    // Destroys the object with the id; answers whether there was one.
    bool Dispose(const UTF8String& id);
    // Destroys every object, newest first.
    void Destroy();

    std::size_t Size() const { return m_byId.size(); }
    // Visits the objects in the order they were added; objects added during the visit are
    // visited too.
    void ForEach(const std::function<void(IObject&)>& visit) const;

private:
    // Not noexcept on purpose: the table then keeps each key's hash code, so a lookup or a
    // rehash in a table of millions of ids never hashes a stored key again.
    struct IdHash {
        std::size_t operator()(const UTF8String& id) const { return std::hash<UTF8String>()(id); }
    };

    // In the order added; a disposed object leaves an empty slot.
    std::vector<std::unique_ptr<IObject>> m_objects;
    std::unordered_map<UTF8String, std::size_t, IdHash> m_byId;
};

} // namespace Orvik
