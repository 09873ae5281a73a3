#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdint>

namespace Orvik {

enum class AECAddressPurposeEnum : std::uint32_t {
    kOffice = 0,
    kSite = 1,
    kHome = 2,
    kDistributionpoint = 3,
    kUserDefined = 4,
};

enum class AECAddressTypeEnum { kPostal, kTelecom };

// What every address of an organization or person has, whatever its kind.
class AddressData {
public:
    virtual ~AddressData();

    virtual AECAddressTypeEnum AddressType() const = 0;
    AECAddressPurposeEnum Purpose() const { return m_purpose; }
    const UTF8String& Description() const { return m_description; }
    const UTF8String& UserDefinedPurpose() const { return m_userDefinedPurpose; }

protected:
    AddressData() = default;

    // Published by the editable kinds.
    void SetPurpose(AECAddressPurposeEnum purpose) { m_purpose = purpose; }
    void SetDescription(const UTF8String& description) { m_description = description; }
    void SetUserDefinedPurpose(const UTF8String& purpose) { m_userDefinedPurpose = purpose; }

private:
    AECAddressPurposeEnum m_purpose = AECAddressPurposeEnum::kUserDefined;
    UTF8String m_description;
    UTF8String m_userDefinedPurpose;
};

} // namespace Orvik
