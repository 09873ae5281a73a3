#pragma once

#include "orvik/api/Property.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace Orvik {

// The properties of all objects of a document, in the order they were added.
class PropertyDatabase {
public:
    void AddProperty(const Property& property);
    std::size_t PropertyCount() const { return m_properties.size(); }
    // Throws std::out_of_range for an index not below PropertyCount().
    const Property& PropertyAt(std::size_t index) const { return m_properties.at(index); }
    // Indexes of the properties of one object, in order.
    std::vector<const Property*> PropertiesOf(const UTF8String& objectId) const;

private:
    std::vector<Property> m_properties;
    std::unordered_map<UTF8String, std::vector<std::size_t>> m_byObject;
};

} // namespace Orvik
