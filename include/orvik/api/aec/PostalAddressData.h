#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/AddressData.h"

#include <vector>

namespace Orvik {

class PostalAddressData : public AddressData {
public:
    ~PostalAddressData() override;

    AECAddressTypeEnum AddressType() const override { return AECAddressTypeEnum::kPostal; }
    const UTF8String& InternalLocation() const { return m_internalLocation; }
    const UTF8String& PostalBox() const { return m_postalBox; }
    const UTF8String& Town() const { return m_town; }
    const UTF8String& Region() const { return m_region; }
    const UTF8String& PostalCode() const { return m_postalCode; }
    const UTF8String& Country() const { return m_country; }
    const std::vector<UTF8String>& AddressLines() const { return m_addressLines; }

protected:
    PostalAddressData() = default;

    UTF8String m_internalLocation;
    UTF8String m_postalBox;
    UTF8String m_town;
    UTF8String m_region;
    UTF8String m_postalCode;
    UTF8String m_country;
    std::vector<UTF8String> m_addressLines;
};

} // namespace Orvik
