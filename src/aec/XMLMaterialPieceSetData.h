#pragma once

#include "aec/XMLMaterialSetData.h"
#include "orvik/api/aec/IMaterialPieceSetData.h"

namespace Orvik {

// The pieces of a material ("IMaterialPieceSetData").
class XMLMaterialPieceSetData
    : public XMLMaterialSetData<IMaterialPieceSetData, IMaterialPieceData> {
protected:
    const XMLCh* MemberName() const override { return u"IMaterialPieceData"; }
};

} // namespace Orvik
