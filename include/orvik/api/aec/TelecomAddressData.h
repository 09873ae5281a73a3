#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/AddressData.h"

#include <vector>

namespace Orvik {

class TelecomAddressData : public AddressData {
public:
    ~TelecomAddressData() override;

    AECAddressTypeEnum AddressType() const override { return AECAddressTypeEnum::kTelecom; }
    const UTF8String& PagerNumber() const { return m_pagerNumber; }
    const UTF8String& WWWHomePageURL() const { return m_homePageURL; }
    const std::vector<UTF8String>& TelephoneNumbers() const { return m_telephoneNumbers; }
    const std::vector<UTF8String>& FacsimileNumbers() const { return m_facsimileNumbers; }
    const std::vector<UTF8String>& ElectronicMailAddresses() const { return m_mailAddresses; }
    const std::vector<UTF8String>& MessagingIDs() const { return m_messagingIDs; }

protected:
    TelecomAddressData() = default;

    UTF8String m_pagerNumber;
    UTF8String m_homePageURL;
    std::vector<UTF8String> m_telephoneNumbers;
    std::vector<UTF8String> m_facsimileNumbers;
    std::vector<UTF8String> m_mailAddresses;
    std::vector<UTF8String> m_messagingIDs;
};

} // namespace Orvik
