#include "orvik/api/aec/RoleData.h"

namespace Orvik {

RoleData::~RoleData() = default;

} // namespace Orvik
