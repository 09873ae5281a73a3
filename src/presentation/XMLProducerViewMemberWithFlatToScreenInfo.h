#pragma once

#include "orvik/api/IdSetSet.h"
#include "presentation/XMLProducerViewMemberOverrideInfo.h"

namespace Orvik {

// A member of a flat-to-screen view: the plain record, whether the member is drawn flat to the
// screen, and the occurrence paths of the annotation flags associated with it.
struct XMLProducerViewMemberWithFlatToScreenInfo : XMLProducerViewMemberOverrideInfo {
    bool isFlatToScreen = false;
    IdSetSet flagAssociation;
};

} // namespace Orvik
