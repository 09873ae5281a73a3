#pragma once

namespace Orvik {

class IMaterialPieceData;
class IMaterialLayerData;
class IMaterialProfileData;
class IMaterialPieceSetData;
class IMaterialLayerSetData;
class IMaterialProfileSetData;

// Double dispatch on the kind of a material's build-up data; the defaults do nothing.
class MaterialDataVisitor {
public:
    virtual ~MaterialDataVisitor() = default;
    virtual void Visit(const IMaterialPieceData&) {}
    virtual void Visit(const IMaterialLayerData&) {}
    virtual void Visit(const IMaterialProfileData&) {}
    virtual void Visit(const IMaterialPieceSetData&) {}
    virtual void Visit(const IMaterialLayerSetData&) {}
    virtual void Visit(const IMaterialProfileSetData&) {}
};

} // namespace Orvik
