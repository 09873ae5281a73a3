#pragma once

#include "loader/AttributeSetReader.h"
#include "loader/EntityReader.h"
#include "xml_util/XMLEntity.h"

namespace Orvik {

// The shared children assemblies and parts read, in exact letter case.
constexpr EntityReader::Policy kComponentPolicy{
    EntityReader::kChangeKey | EntityReader::kExtensionData | EntityReader::kStyles |
        EntityReader::kMaterials | EntityReader::kVersionPersistentId,
    0u};

// Files, assemblies and parts: entities that answer the ten attribute sets they read.
template <typename Interface>
class XMLAttributeSetsEntity : public XMLEntity<Interface> {
public:
    IdSet StyleSet() const override { return m_sets.styles; }
    IdSet TextureSet() const override { return m_sets.textures; }
    IdSet LayerSet() const override { return m_sets.layers; }
    IdSet GroupSet() const override { return m_sets.groups; }
    IdSet LodSet() const override { return m_sets.lods; }
    IdSet AnimationSet() const override { return m_sets.animations; }
    IdSet CameraSet() const override { return m_sets.cameras; }
    IdSet ViewSet() const override { return m_sets.views; }
    IdSet MaterialSet() const override { return m_sets.materials; }
    IdSet LightSet() const override { return m_sets.lights; }

protected:
    AttributeSets m_sets;
};

} // namespace Orvik
