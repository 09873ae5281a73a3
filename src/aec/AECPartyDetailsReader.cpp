#include "aec/AECPartyDetailsReader.h"

#include "aec/AECNodeUtil.h"
#include "orvik/api/aec/AECEnumNames.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

namespace {

using xercesc::DOMNode;

constexpr XMLChName kAddressData{"AddressData"};
constexpr XMLChName kRoleData{"RoleData"};
constexpr XMLChName kAddressType{"AddressType"};
constexpr XMLChName kPostalAddressType{"PostalAddressData"};
constexpr XMLChName kTelecomAddressType{"TelecomAddressData"};
constexpr XMLChName kPurpose{"Purpose"};
constexpr XMLChName kDescription{"Description"};
constexpr XMLChName kUserDefinedPurpose{"UserDefinedPurpose"};
constexpr XMLChName kInternalLocation{"InternalLocation"};
constexpr XMLChName kPostalBox{"PostalBox"};
constexpr XMLChName kTown{"Town"};
constexpr XMLChName kRegion{"Region"};
constexpr XMLChName kPostalCode{"PostalCode"};
constexpr XMLChName kCountry{"Country"};
constexpr XMLChName kAddressLinesSet{"AddressLinesSet"};
constexpr XMLChName kAddressLine{"AddressLine"};
constexpr XMLChName kPagerNumber{"PagerNumber"};
constexpr XMLChName kWWWHomePageURL{"WWWHomePageURL"};
constexpr XMLChName kTelephoneNumbersSet{"TelephoneNumbersSet"};
constexpr XMLChName kTelephoneNumber{"TelephoneNumber"};
constexpr XMLChName kFacsimileNumbersSet{"FacsimileNumbersSet"};
constexpr XMLChName kFacsimileNumber{"FacsimileNumber"};
constexpr XMLChName kElectronicMailSet{"ElectronicMailSet"};
constexpr XMLChName kElectronicMail{"ElectronicMail"};
constexpr XMLChName kMessagingIDsSet{"MessagingIDsSet"};
constexpr XMLChName kMessagingID{"MessagingID"};
constexpr XMLChName kRole{"Role"};
constexpr XMLChName kUserDefinedRole{"UserDefinedRole"};

} // namespace

std::vector<std::unique_ptr<AddressData>>
AECPartyDetailsReader::ReadAddressSet(const DOMNode* set) {
    std::vector<std::unique_ptr<AddressData>> addresses;
    for (const DOMNode* child = set->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (!AECNodeUtil::IsElementNamed(child, kAddressData))
            continue;
        if (std::unique_ptr<AddressData> address = ReadAddress(child))
            addresses.push_back(std::move(address));
    }
    return addresses;
}

std::vector<std::unique_ptr<RoleData>> AECPartyDetailsReader::ReadRoleSet(const DOMNode* set) {
    std::vector<std::unique_ptr<RoleData>> roles;
    for (const DOMNode* child = set->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kRoleData))
            roles.push_back(ReadRole(child));
    }
    return roles;
}

std::unique_ptr<AddressData> AECPartyDetailsReader::ReadAddress(const DOMNode* address) {
    UTF16String type;
    XMLUtils::GetNodeAttribute(address, kAddressType.CStr(), type);
    if (type.Value() == kPostalAddressType.View())
        return ReadPostalAddress(address);
    if (type.Value() == kTelecomAddressType.View())
        return ReadTelecomAddress(address);
    return nullptr;
}

std::unique_ptr<EditablePostalAddressData>
AECPartyDetailsReader::ReadPostalAddress(const DOMNode* node) {
    auto address = EditablePostalAddressData::Create();
    using Postal = EditablePostalAddressData;
    ReadCommonAddressAttributes(node, *address);
    AECNodeUtil::SetIfPresent(node, kInternalLocation, *address, &Postal::SetInternalLocation);
    AECNodeUtil::SetIfPresent(node, kPostalBox, *address, &Postal::SetPostalBox);
    AECNodeUtil::SetIfPresent(node, kTown, *address, &Postal::SetTown);
    AECNodeUtil::SetIfPresent(node, kRegion, *address, &Postal::SetRegion);
    AECNodeUtil::SetIfPresent(node, kPostalCode, *address, &Postal::SetPostalCode);
    AECNodeUtil::SetIfPresent(node, kCountry, *address, &Postal::SetCountry);
    for (const DOMNode* child = node->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kAddressLinesSet))
            AECNodeUtil::AddItemTexts(child, kAddressLine, *address, &Postal::AddAddressLine);
    }
    return address;
}

std::unique_ptr<EditableTelecomAddressData>
AECPartyDetailsReader::ReadTelecomAddress(const DOMNode* node) {
    auto address = EditableTelecomAddressData::Create();
    using Telecom = EditableTelecomAddressData;
    ReadCommonAddressAttributes(node, *address);
    AECNodeUtil::SetIfPresent(node, kPagerNumber, *address, &Telecom::SetPagerNumber);
    AECNodeUtil::SetIfPresent(node, kWWWHomePageURL, *address, &Telecom::SetWWWHomePageURL);
    for (const DOMNode* child = node->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kTelephoneNumbersSet))
            AECNodeUtil::AddItemTexts(child, kTelephoneNumber, *address,
                                      &Telecom::AddTelephoneNumber);
        else if (AECNodeUtil::IsElementNamed(child, kFacsimileNumbersSet))
            AECNodeUtil::AddItemTexts(child, kFacsimileNumber, *address,
                                      &Telecom::AddFacsimileNumber);
        else if (AECNodeUtil::IsElementNamed(child, kElectronicMailSet))
            AECNodeUtil::AddItemTexts(child, kElectronicMail, *address,
                                      &Telecom::AddElectronicMailAddress);
        else if (AECNodeUtil::IsElementNamed(child, kMessagingIDsSet))
            AECNodeUtil::AddItemTexts(child, kMessagingID, *address, &Telecom::AddMessagingID);
    }
    return address;
}

template <typename Address>
void AECPartyDetailsReader::ReadCommonAddressAttributes(const DOMNode* node, Address& address) {
    UTF16String purposeName;
    AECAddressPurposeEnum purpose = AECAddressPurposeEnum::kUserDefined;
    if (XMLUtils::GetNodeAttribute(node, kPurpose.CStr(), purposeName) &&
        AECEnumNames::LookupAddressPurpose(purposeName.Value(), purpose))
        address.SetPurpose(purpose);
    AECNodeUtil::SetIfPresent(node, kDescription, address, &Address::SetDescription);
    AECNodeUtil::SetIfPresent(node, kUserDefinedPurpose, address, &Address::SetUserDefinedPurpose);
}

std::unique_ptr<EditableRoleData> AECPartyDetailsReader::ReadRole(const DOMNode* node) {
    UTF16String roleName;
    AECRoleEnum role = AECRoleEnum::kUserDefined;
    if (XMLUtils::GetNodeAttribute(node, kRole.CStr(), roleName))
        AECEnumNames::LookupRole(roleName.Value(), role);
    auto record = EditableRoleData::Create(role);
    AECNodeUtil::SetIfPresent(node, kDescription, *record, &EditableRoleData::SetDescription);
    AECNodeUtil::SetIfPresent(node, kUserDefinedRole, *record,
                              &EditableRoleData::SetUserDefinedRole);
    return record;
}

} // namespace Orvik
