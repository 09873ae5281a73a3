#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// The properties of a file, assembly or part: one field per answer that is specified.
class FilePropertiesDescriber {
public:
    // Null when there are none.
    static Json Describe(const FileProperties* properties);

private:
    static Json CustomProperties(const FileProperties& properties);
};

} // namespace Orvik::Inspect
