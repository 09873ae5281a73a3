#pragma once

#include "orvik/api/IObject.h"
#include "orvik/api/UTF8String.h"
#include "xml_util/AmbrelSerializedAsset.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Reads the "IRenderStyle" elements of a "StyleSet": each becomes a plain, asset-backed or
// MaterialX style, chosen by its content, and goes to the collector.
class RenderStyleReader {
public:
    // Appends one id per "IRenderStyle" element; a style takes its asset out of the map.
    // False only without an element.
    static bool ReadStyleSet(ReadContext& context, const xercesc::DOMElement* set,
                             AmbrelSerializedAssetMap& assets, std::vector<UTF8String>& ids);

    enum class Kind { kPlain, kAmbrel, kMaterialX };
    // Asset-backed when it says so or has an asset under its id as written; else MaterialX
    // when it says so; else plain.
    static Kind KindOf(const xercesc::DOMElement& style, const AmbrelSerializedAssetMap& assets);
};

} // namespace Orvik
