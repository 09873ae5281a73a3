#pragma once

#include "orvik/api/ITextFragment.h"

#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "ITextFragment" element: a run of characters with its font and colours.
class XMLTextFragment : public ITextFragment {
public:
    // Answers true; what does not parse is left unset.
    bool Read(const xercesc::DOMElement& element, ReadContext& context);

    UTF16String Value() const override { return m_value; }
    IsValueSpecifiedEnum TextColor(Color& color) const override;
    IsValueSpecifiedEnum TextBackgroundColor(Color& color) const override;
    IsValueSpecifiedEnum FontName(UTF16String& name) const override;
    IsValueSpecifiedEnum IsBold(bool& bold) const override;
    IsValueSpecifiedEnum IsItalic(bool& italic) const override;
    IsValueSpecifiedEnum IsUnderlined(bool& underlined) const override;
    IsValueSpecifiedEnum IsOverlined(bool& overlined) const override;
    IsValueSpecifiedEnum Height(double& height) const override;
    IsValueSpecifiedEnum Width(double& width) const override;
    IsValueSpecifiedEnum FontSize(double& size) const override;
    IsValueSpecifiedEnum Gap(double& gap) const override;
    IsValueSpecifiedEnum ScriptType(std::int32_t& type) const override;

private:
    void ReadColors(const xercesc::DOMElement& element, ReadContext& context);

    UTF16String m_value;
    std::optional<Color> m_textColor;
    std::optional<Color> m_backgroundColor;
    std::optional<UTF16String> m_fontName;
    std::optional<bool> m_bold;
    std::optional<bool> m_italic;
    std::optional<bool> m_underlined;
    std::optional<bool> m_overlined;
    std::optional<double> m_height;
    std::optional<double> m_width;
    std::optional<double> m_fontSize;
    std::optional<double> m_gap;
    std::optional<std::int32_t> m_scriptType;
};

} // namespace Orvik
