#include "orvik/api/PropertyDatabase.h"

namespace Orvik {

void PropertyDatabase::AddProperty(const Property& property) {
    m_properties.push_back(property);
    m_byObject[property.ObjectId()].push_back(m_properties.size() - 1);
}

std::vector<const Property*> PropertyDatabase::PropertiesOf(const UTF8String& objectId) const {
    std::vector<const Property*> result;
    const auto found = m_byObject.find(objectId);
    if (found == m_byObject.end())
        return result;
    result.reserve(found->second.size());
    for (const std::size_t index : found->second)
        result.push_back(&m_properties[index]);
    return result;
}

} // namespace Orvik
