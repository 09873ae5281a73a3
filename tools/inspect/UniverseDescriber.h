#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Describes the universe: one field per query operation of IUniverse.
class UniverseDescriber {
public:
    static Json Describe(const IUniverse& universe);

private:
    static Json DescribeViewingData(const ViewingData& data);
    static Json DescribeCustomData(const IUniverse& universe);
    static Json DescribeDomainProjectContext(const IDomainProjectContext& context);
};

} // namespace Orvik::Inspect
