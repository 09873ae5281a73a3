#include "orvik/api/aec/EditableTelecomAddressData.h"

namespace Orvik {

EditableTelecomAddressData::EditableTelecomAddressData(CreateKey) {}

std::unique_ptr<EditableTelecomAddressData> EditableTelecomAddressData::Create() {
    return std::make_unique<EditableTelecomAddressData>(CreateKey{});
}

void EditableTelecomAddressData::SetPagerNumber(const UTF8String& number) {
    m_pagerNumber = number;
}

void EditableTelecomAddressData::SetWWWHomePageURL(const UTF8String& url) {
    m_homePageURL = url;
}

void EditableTelecomAddressData::AddTelephoneNumber(const UTF8String& number) {
    m_telephoneNumbers.push_back(number);
}

void EditableTelecomAddressData::AddFacsimileNumber(const UTF8String& number) {
    m_facsimileNumbers.push_back(number);
}

void EditableTelecomAddressData::AddElectronicMailAddress(const UTF8String& address) {
    m_mailAddresses.push_back(address);
}

void EditableTelecomAddressData::AddMessagingID(const UTF8String& id) {
    m_messagingIDs.push_back(id);
}

} // namespace Orvik
