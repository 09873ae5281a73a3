#include "orvik/api/aec/PostalAddressData.h"

namespace Orvik {

PostalAddressData::~PostalAddressData() = default;

} // namespace Orvik
