#include "orvik/api/ObjectCollector.h"

#include <utility>

namespace Orvik {

ObjectCollector::~ObjectCollector() {
    Destroy();
}

bool ObjectCollector::AddObject(std::unique_ptr<IObject> object) {
    if (!object)
        return false;
    // One lookup both checks the id and takes its slot.
    const auto [slot, added] = m_byId.try_emplace(object->Id(), m_objects.size());
    if (!added)
        return false;
    try {
        m_objects.push_back(std::move(object));
    } catch (...) {
        m_byId.erase(slot);
        throw;
    }
    return true;
}

IObject* ObjectCollector::QueryObject(const UTF8String& id) const {
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : m_objects[found->second].get();
}

bool ObjectCollector::Dispose(const UTF8String& id) {
    const auto found = m_byId.find(id);
    if (found == m_byId.end())
        return false;
    // Unlink before destroying, so a destructor that looks into the collector sees a
    // consistent state.
    std::unique_ptr<IObject> doomed = std::move(m_objects[found->second]);
    m_byId.erase(found);
    return true;
}

void ObjectCollector::Destroy() {
    m_byId.clear();
    while (!m_objects.empty()) {
        std::unique_ptr<IObject> doomed = std::move(m_objects.back());
        m_objects.pop_back();
    }
}

void ObjectCollector::ForEach(const std::function<void(IObject&)>& visit) const {
    // By index: a visit may add objects, which may move the slots.
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        if (IObject* object = m_objects[i].get())
            visit(*object);
}

} // namespace Orvik
