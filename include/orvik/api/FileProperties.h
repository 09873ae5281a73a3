#pragma once

#include "orvik/api/CustomProperty.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Time.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UnitTypeEnum.h"

#include <cstdint>

namespace Orvik {

// Descriptive properties of a file; every answer may be unspecified.
class FileProperties {
public:
    virtual ~FileProperties() = default;
    virtual IsValueSpecifiedEnum Title(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum Author(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum Organization(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum Description(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum SendingSystem(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum PartNumber(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum Revision(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum Preprocessor(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum CreationDate(Time&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum Authorisation(UTF16String&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum MassUnit(UnitTypeEnum&) const { return Unspecified(); }
    virtual IsValueSpecifiedEnum TimeUnit(UnitTypeEnum&) const { return Unspecified(); }
    virtual std::uint32_t CustomPropertyCount() const { return 0; }
    virtual IsValueSpecifiedEnum CustomPropertyAt(std::uint32_t, CustomProperty&) const {
        return Unspecified();
    }

private:
    static IsValueSpecifiedEnum Unspecified() { return IsValueSpecifiedEnum::kUnspecified; }
};

} // namespace Orvik
