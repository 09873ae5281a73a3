#pragma once

#include "Json.h"
#include "orvik/xml_producer.h"

#include <vector>

namespace Orvik::Inspect {

// How a material is built up: pieces, layers, profiles and their sets, each an object with
// its interface name.
class MaterialDataDescriber : private MaterialDataVisitor {
public:
    // The materials the data names are added to the ids the walk visits.
    static Json Describe(const IMaterialData& data, std::vector<UTF8String>& materials);

private:
    explicit MaterialDataDescriber(std::vector<UTF8String>& materials)
        : m_materials(materials) {}

    void Visit(const IMaterialPieceData& piece) override;
    void Visit(const IMaterialLayerData& layer) override;
    void Visit(const IMaterialProfileData& profile) override;
    void Visit(const IMaterialPieceSetData& set) override;
    void Visit(const IMaterialLayerSetData& set) override;
    void Visit(const IMaterialProfileSetData& set) override;

    void Begin(const IMaterialData& data, const char* interfaceName);
    void SetMaterial(const IsValueSpecifiedEnum specified, const UTF8String& id);
    template <typename Set>
    void SetMembers(const Set& set);

    std::vector<UTF8String>& m_materials;
    Json m_fields = Json::object();
};

} // namespace Orvik::Inspect
