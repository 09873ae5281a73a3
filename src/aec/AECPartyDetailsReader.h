#pragma once

#include "orvik/api/aec/AddressData.h"
#include "orvik/api/aec/EditablePostalAddressData.h"
#include "orvik/api/aec/EditableRoleData.h"
#include "orvik/api/aec/EditableTelecomAddressData.h"
#include "orvik/api/aec/RoleData.h"

#include <memory>
#include <vector>
#include <xercesc/dom/DOMNode.hpp>

namespace Orvik {

// Reads the addresses and roles that organizations and persons carry.
class AECPartyDetailsReader {
public:
    using DOMNode = xercesc::DOMNode;

    // Each "AddressData" of an "AddressSet"; addresses of an unknown kind are skipped.
    static std::vector<std::unique_ptr<AddressData>> ReadAddressSet(const DOMNode* set);
    // Each "RoleData" of a "RoleSet"; a missing or unknown role reads as user-defined.
    static std::vector<std::unique_ptr<RoleData>> ReadRoleSet(const DOMNode* set);

private:
    static std::unique_ptr<AddressData> ReadAddress(const DOMNode* address);
    static std::unique_ptr<EditablePostalAddressData> ReadPostalAddress(const DOMNode* address);
    static std::unique_ptr<EditableTelecomAddressData> ReadTelecomAddress(const DOMNode* address);
    template <typename Address>
    static void ReadCommonAddressAttributes(const DOMNode* node, Address& address);
    static std::unique_ptr<EditableRoleData> ReadRole(const DOMNode* node);
};

} // namespace Orvik
