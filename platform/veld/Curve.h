#pragma once

#include "veld/ENTITY.h"

namespace Orvik::Veld {

// A kernel curve.
class curve : public ENTITY {};

} // namespace Orvik::Veld
