#pragma once

#include "orvik/api/EditableDataIdToPersistentIdMap.h"
#include "orvik/api/IObject.h"
#include "orvik/api/UTF8String.h"
#include "veld/BODY.h"
#include "veld/Curve.h"
#include "xml_util/AmbrelSerializedAsset.h"
#include "xml_util/AnimationReader.h"

#include <map>
#include <memory>

namespace Orvik {

using BodyTable = std::map<UTF8String, std::unique_ptr<Veld::BODY>>;
using EdgeCurveTable = std::map<UTF8String, std::unique_ptr<Veld::curve>>;
// Meshes and curves read from side files; an entity reader takes its object out by id.
using MeshTable = std::map<UTF8String, std::unique_ptr<IObject>>;
using CurveTable = std::map<UTF8String, std::unique_ptr<IObject>>;
using AmbrelAssetTable = std::map<UTF8String, std::unique_ptr<AmbrelSerializedAsset>>;
using SubObjectIdTable = std::map<UTF8String, std::unique_ptr<EditableDataIdToPersistentIdMap>>;

// The four tables filled from geometry side files, handed to the entity readers together.
struct ExternalGeometryTables {
    BodyTable& bodiesByDxid;
    EdgeCurveTable& edgeCurvesByDxid;
    MeshTable& meshesById;
    CurveTable& curvesById;
};

// Everything read from side files, once, before the entities are read.
class SideDataCache {
public:
    ExternalGeometryTables GeometryTables() {
        return {bodiesByDxid, edgeCurvesByDxid, meshesById, curvesById};
    }
    // Frees the owned objects first, then the maps.
    void Clear();

    BodyTable bodiesByDxid;
    EdgeCurveTable edgeCurvesByDxid;
    MeshTable meshesById;
    CurveTable curvesById;
    AmbrelAssetTable ambrelAssets;
    SubObjectIdTable subObjectPersistentIds;
    // The records of the animation side file; null when the document names none.
    std::unique_ptr<AnimationReader> animations;
};

} // namespace Orvik
