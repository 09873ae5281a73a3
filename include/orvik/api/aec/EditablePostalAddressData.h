#pragma once

#include "orvik/api/aec/PostalAddressData.h"

#include <memory>

namespace Orvik {

class EditablePostalAddressData : public PostalAddressData {
    // Only Create may construct; the key keeps the constructor usable by make_unique.
    struct CreateKey {
        explicit CreateKey() = default;
    };

public:
    explicit EditablePostalAddressData(CreateKey);
    static std::unique_ptr<EditablePostalAddressData> Create();

    using AddressData::SetDescription;
    using AddressData::SetPurpose;
    using AddressData::SetUserDefinedPurpose;

    void SetInternalLocation(const UTF8String& location);
    void SetPostalBox(const UTF8String& box);
    void SetTown(const UTF8String& town);
    void SetRegion(const UTF8String& region);
    void SetPostalCode(const UTF8String& code);
    void SetCountry(const UTF8String& country);
    void AddAddressLine(const UTF8String& line);
};

} // namespace Orvik
