#include "orvik/api/aec/TelecomAddressData.h"

namespace Orvik {

TelecomAddressData::~TelecomAddressData() = default;

} // namespace Orvik
