#pragma once

#include "orvik/api/aec/TelecomAddressData.h"

#include <memory>

namespace Orvik {

class EditableTelecomAddressData : public TelecomAddressData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    explicit EditableTelecomAddressData(CreateKey);
    static std::unique_ptr<EditableTelecomAddressData> Create();

    using AddressData::SetDescription;
    using AddressData::SetPurpose;
    using AddressData::SetUserDefinedPurpose;

    void SetPagerNumber(const UTF8String& number);
    void SetWWWHomePageURL(const UTF8String& url);
    void AddTelephoneNumber(const UTF8String& number);
    void AddFacsimileNumber(const UTF8String& number);
    void AddElectronicMailAddress(const UTF8String& address);
    void AddMessagingID(const UTF8String& id);
};

} // namespace Orvik
