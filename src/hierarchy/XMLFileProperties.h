#pragma once

#include "orvik/api/CustomProperty.h"
#include "orvik/api/FileProperties.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <map>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// The descriptive properties of a file, assembly or part, read from a "FileProperties"
// element when constructed.
class XMLFileProperties : public FileProperties {
public:
    explicit XMLFileProperties(const xercesc::DOMElement& element);

    IsValueSpecifiedEnum Title(UTF16String& title) const override;
    IsValueSpecifiedEnum Author(UTF16String& author) const override;
    IsValueSpecifiedEnum Organization(UTF16String& organization) const override;
    IsValueSpecifiedEnum Description(UTF16String& description) const override;
    IsValueSpecifiedEnum SendingSystem(UTF16String& system) const override;
    IsValueSpecifiedEnum PartNumber(UTF16String& number) const override;
    IsValueSpecifiedEnum Revision(UTF16String& revision) const override;
    IsValueSpecifiedEnum Preprocessor(UTF16String& preprocessor) const override;
    IsValueSpecifiedEnum CreationDate(Time& date) const override;
    IsValueSpecifiedEnum Authorisation(UTF16String& authorisation) const override;
    IsValueSpecifiedEnum MassUnit(UnitTypeEnum& unit) const override;
    IsValueSpecifiedEnum TimeUnit(UnitTypeEnum& unit) const override;
    std::uint32_t CustomPropertyCount() const override;
    IsValueSpecifiedEnum CustomPropertyAt(std::uint32_t index,
                                          CustomProperty& property) const override;

private:
    void ReadViewData(const xercesc::DOMElement& viewData);
    void ReadCustomProperties(const xercesc::DOMElement& customProperties);
    void AddProperty(const xercesc::DOMElement& element);
    const UTF16String* Find(const char* key) const;
    IsValueSpecifiedEnum Text(const char* key, UTF16String& text) const;
    IsValueSpecifiedEnum Unit(const char* key, UnitTypeEnum& unit) const;

    // The first value stored under a name stays.
    std::map<UTF8String, UTF16String> m_properties;
    std::vector<CustomProperty> m_customProperties;
};

} // namespace Orvik
