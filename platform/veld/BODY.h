#pragma once

#include "veld/ENTITY.h"

namespace Orvik::Veld {

// A solid or sheet body of the kernel.
class BODY : public ENTITY {};

} // namespace Orvik::Veld
