#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF16String.h"

#include <cstdint>

namespace Orvik {

// A run of characters in one font and colour. Every value but the characters may be absent.
class ITextFragment {
public:
    virtual ~ITextFragment() = default;
    virtual UTF16String Value() const = 0;
    virtual IsValueSpecifiedEnum TextColor(Color& color) const = 0;
    virtual IsValueSpecifiedEnum TextBackgroundColor(Color& color) const = 0;
    virtual IsValueSpecifiedEnum FontName(UTF16String& name) const = 0;
    virtual IsValueSpecifiedEnum IsBold(bool& bold) const = 0;
    virtual IsValueSpecifiedEnum IsItalic(bool& italic) const = 0;
    virtual IsValueSpecifiedEnum IsUnderlined(bool& underlined) const = 0;
    virtual IsValueSpecifiedEnum IsOverlined(bool& overlined) const = 0;
    virtual IsValueSpecifiedEnum Height(double& height) const = 0;
    virtual IsValueSpecifiedEnum Width(double& width) const = 0;
    virtual IsValueSpecifiedEnum FontSize(double& size) const = 0;
    virtual IsValueSpecifiedEnum Gap(double& gap) const = 0;
    virtual IsValueSpecifiedEnum ScriptType(std::int32_t& type) const = 0;
};

} // namespace Orvik
