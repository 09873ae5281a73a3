#include "orvik/api/aec/EditablePostalAddressData.h"

namespace Orvik {

EditablePostalAddressData::EditablePostalAddressData(CreateKey) {}

std::unique_ptr<EditablePostalAddressData> EditablePostalAddressData::Create() {
    return std::make_unique<EditablePostalAddressData>(CreateKey{});
}

void EditablePostalAddressData::SetInternalLocation(const UTF8String& location) {
    m_internalLocation = location;
}

void EditablePostalAddressData::SetPostalBox(const UTF8String& box) {
    m_postalBox = box;
}

void EditablePostalAddressData::SetTown(const UTF8String& town) {
    m_town = town;
}

void EditablePostalAddressData::SetRegion(const UTF8String& region) {
    m_region = region;
}

void EditablePostalAddressData::SetPostalCode(const UTF8String& code) {
    m_postalCode = code;
}

void EditablePostalAddressData::SetCountry(const UTF8String& country) {
    m_country = country;
}

void EditablePostalAddressData::AddAddressLine(const UTF8String& line) {
    m_addressLines.push_back(line);
}

} // namespace Orvik
