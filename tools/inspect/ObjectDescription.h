#pragma once

#include "Json.h"
#include "ValueFormatter.h"
#include "orvik/xml_producer.h"

#include <vector>

namespace Orvik::Inspect {

class DomainDataDescriber;

// One object's description while a describer builds it: the fields in the order they print,
// and the ids of the objects it refers to, which the walk visits next. Holds the answers that
// several families of interfaces share, so each area describer writes only its own.
class ObjectDescription {
public:
    // Without a domain data describer only whether an object has domain data shows.
    explicit ObjectDescription(DomainDataDescriber* domainData = nullptr)
        : m_domainData(domainData) {}

    // "id", "interface" and the operations every object answers; always the first fields.
    void Begin(const IObject& object, const char* interfaceName);

    void Set(const char* name, Json value) { m_fields[name] = std::move(value); }
    // An id set whose objects the walk visits.
    void SetIds(const char* name, const IdSet& ids);
    // "ChildCount" and "ChildAt" of any container of typed child ids.
    template <typename Container>
    void SetChildren(const Container& container);
    // Null for an empty typed id: the object it names is not held.
    template <typename ChildId>
    Json ChildIdValue(const ChildId& child);
    // Sub-entity or polygon to style ids; an empty object when there is no map.
    void SetStyleMap(const char* name, const SubEntityToStylesMap* styles);
    // Each unit only when the object specifies it.
    void SetUnits(const IUnit& unit);
    // Transform, visibility, tolerances, styles and materials of a geometry.
    void SetGeometry(const IGeometry& geometry, bool hasTransform);

    // Ids the walk visits that no field set above names.
    void Refer(const IdSet& ids);

    Json TakeFields() { return std::move(m_fields); }
    const std::vector<UTF8String>& ReferencedIds() const { return m_referenced; }

private:
    void Refer(const UTF8String& id) { m_referenced.push_back(id); }

    DomainDataDescriber* m_domainData;
    Json m_fields = Json::object();
    std::vector<UTF8String> m_referenced;
};

template <typename Container>
void ObjectDescription::SetChildren(const Container& container) {
    Set("ChildCount", container.ChildCount());
    Set("ChildAt", ValueFormatter::Indexed(container.ChildCount(), [&](std::uint64_t i) {
            return ChildIdValue(container.ChildAt(i));
        }));
}

template <typename ChildId>
Json ObjectDescription::ChildIdValue(const ChildId& child) {
    if (child.IsEmpty())
        return nullptr;
    Refer(child.Id());
    return ValueFormatter::Text(child.Id());
}

} // namespace Orvik::Inspect
