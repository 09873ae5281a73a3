#pragma once

#include "orvik/api/TypedId.h"

namespace Orvik {

class IObject;

// The interface an object implements, as typed ids record it; kUnknown for null.
ObjectKindEnum KindOf(IObject* object);
// The framework's name of the interface ("IAssembly").
const char* InterfaceName(ObjectKindEnum kind);

} // namespace Orvik
