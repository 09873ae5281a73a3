#pragma once

#include "aec/MaterialDataContext.h"
#include "orvik/api/aec/IMaterialData.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// Builds the material data object an element names ("IMaterialLayerData",
// "IMaterialPieceSetData" ...).
class MaterialDataReader {
public:
    // Null for any other name, and for an element without attributes.
    static std::unique_ptr<IMaterialData> Read(const MaterialDataContext& context,
                                               const xercesc::DOMElement& element);
};

} // namespace Orvik
