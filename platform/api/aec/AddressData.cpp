#include "orvik/api/aec/AddressData.h"

namespace Orvik {

AddressData::~AddressData() = default;

} // namespace Orvik
