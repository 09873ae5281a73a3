#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/UTF8String.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The ten attribute id sets of a file, assembly or part.
struct AttributeSets {
    IdSet groups;
    IdSet layers;
    IdSet textures;
    IdSet styles;
    IdSet lods;
    IdSet cameras;
    IdSet views;
    IdSet materials;
    IdSet lights;
    IdSet animations;
};

// Reads an "AttributeSet" element: each set creates its objects in place and yields their ids.
class AttributeSetReader {
public:
    using IdList = std::vector<UTF8String>;
    // A set reader: the context, the set element and, for styles, the render asset table.
    using SetReader = bool (*)(ReadContext& context, const xercesc::DOMElement& set,
                               AmbrelAssetTable& assets, IdList& ids);

    // False only for a null element.
    static bool ReadAttributeSet(ReadContext& context, const xercesc::DOMElement* element,
                                 AttributeSets& sets, AmbrelAssetTable& assets);

    // The inline sets: every child's id is listed, and objects not held yet are created. A
    // child without "ID", or without an attribute its kind needs ("Label"; a camera's "Type"),
    // is skipped with a diagnostic and lists nothing.
    static bool ReadCameraSet(ReadContext& context, const xercesc::DOMElement* set, IdList& ids);
    static bool ReadViewSet(ReadContext& context, const xercesc::DOMElement* set, IdList& ids);
    static bool ReadLightSet(ReadContext& context, const xercesc::DOMElement* set, IdList& ids);
    static bool ReadMaterialSet(ReadContext& context, const xercesc::DOMElement* set, IdList& ids);
    static bool ReadAnimationSet(ReadContext& context, const xercesc::DOMElement* set, IdList& ids);
};

// Readers of the presentation sets, defined beside their kinds.
bool ReadStyleSetMembers(ReadContext& context, const xercesc::DOMElement& set,
                         AmbrelAssetTable& assets, AttributeSetReader::IdList& ids);
bool ReadTextureSetMembers(ReadContext& context, const xercesc::DOMElement& set,
                           AmbrelAssetTable& assets, AttributeSetReader::IdList& ids);
// Makes and reads one "MaterialSet" child; the collector gets it only when it was read.
bool ReadMaterialSetMember(ReadContext& context, const xercesc::DOMElement& child,
                           const UTF8String& id);
// Set readers of kinds made above the loader, each defined beside its subsystem's kinds.
bool ReadGroupSet(ReadContext& context, const xercesc::DOMElement& set, AmbrelAssetTable& assets,
                  AttributeSetReader::IdList& ids);
bool ReadLayerSet(ReadContext& context, const xercesc::DOMElement& set, AmbrelAssetTable& assets,
                  AttributeSetReader::IdList& ids);
bool ReadLodSet(ReadContext& context, const xercesc::DOMElement& set, AmbrelAssetTable& assets,
                AttributeSetReader::IdList& ids);

} // namespace Orvik
