#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

#include <cstddef>
#include <unordered_map>

namespace Orvik::Inspect {

class ObjectDescription;

// The AEC data of instances and groups. Its owner history appears as its index among the
// owner histories of the universe's project context, as the records there refer to each other.
class DomainDataDescriber : private DomainDataVisitor {
public:
    // The universe may be null, or have no building project context: owner histories are then
    // null.
    explicit DomainDataDescriber(const IUniverse* universe);

    // Null for domain data of a kind not described here. The ids it names go to `out`'s walk.
    Json Describe(const IDomainData& data, ObjectDescription& out);

private:
    void Visit(const IAECObjectData& data) override;
    void Visit(const IAECTypeObjectData& data) override;
    void Begin(const IAECDomainData& data, const char* interfaceName);
    Json OwnerHistoryIndex(const OwnerHistoryData* history) const;

    std::unordered_map<const OwnerHistoryData*, std::size_t> m_ownerHistoryIndex;
    Json m_fields;
    ObjectDescription* m_out = nullptr;
};

} // namespace Orvik::Inspect
