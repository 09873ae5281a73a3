#pragma once

#include "JsonValue.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Describes the universe: one field per query operation of IUniverse.
class UniverseDescriber {
public:
    static JsonValue Describe(const IUniverse& universe);

private:
    static JsonValue DescribeViewingData(const ViewingData& data);
    static JsonValue DescribeCustomData(const IUniverse& universe);
    static JsonValue DescribeDomainProjectContext(const IDomainProjectContext& context);
};

} // namespace Orvik::Inspect
