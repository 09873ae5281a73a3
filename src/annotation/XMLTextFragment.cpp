#include "annotation/XMLTextFragment.h"

#include "annotation/TextAttributeReader.h"
#include "loader/ElementWalk.h"

namespace Orvik {

using xercesc::DOMElement;

bool XMLTextFragment::Read(const DOMElement& element, ReadContext& context) {
    const TextAttributeReader attributes(element, context);
    if (const XMLCh* font = attributes.Text(u"FontName"))
        m_fontName = UTF16String(font);
    if (const XMLCh* value = attributes.Text(u"Value"))
        m_value = UTF16String(value);
    attributes.ReadFlag(u"IsBold", u"True", m_bold);
    attributes.ReadFlag(u"IsItalic", u"True", m_italic);
    attributes.ReadFlag(u"IsUnderlined", u"True", m_underlined);
    attributes.ReadFlag(u"IsOverlined", u"True", m_overlined);
    attributes.ReadDouble(u"Height", m_height);
    attributes.ReadDouble(u"Width", m_width);
    attributes.ReadDouble(u"FontSize", m_fontSize);
    attributes.ReadDouble(u"Gap", m_gap);
    attributes.ReadInt(u"ScriptType", m_scriptType);
    ReadColors(element, context);
    return true;
}

void XMLTextFragment::ReadColors(const DOMElement& element, ReadContext& context) {
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        std::optional<Color>* target = nullptr;
        if (ElementWalk::IsNamed(child, u"TextColor"))
            target = &m_textColor;
        else if (ElementWalk::IsNamed(child, u"TextBackgroundColor"))
            target = &m_backgroundColor;
        else
            return;
        // A colour whose fractions are incomplete still counts as given, as the default colour.
        Color color;
        TextAttributeReader(child, context).ReadColor(color);
        *target = color;
    });
}

IsValueSpecifiedEnum XMLTextFragment::TextColor(Color& color) const {
    return TextAttributeReader::Answer(m_textColor, color);
}

IsValueSpecifiedEnum XMLTextFragment::TextBackgroundColor(Color& color) const {
    return TextAttributeReader::Answer(m_backgroundColor, color);
}

IsValueSpecifiedEnum XMLTextFragment::FontName(UTF16String& name) const {
    return TextAttributeReader::Answer(m_fontName, name);
}

IsValueSpecifiedEnum XMLTextFragment::IsBold(bool& bold) const {
    return TextAttributeReader::Answer(m_bold, bold);
}

IsValueSpecifiedEnum XMLTextFragment::IsItalic(bool& italic) const {
    return TextAttributeReader::Answer(m_italic, italic);
}

IsValueSpecifiedEnum XMLTextFragment::IsUnderlined(bool& underlined) const {
    return TextAttributeReader::Answer(m_underlined, underlined);
}

IsValueSpecifiedEnum XMLTextFragment::IsOverlined(bool& overlined) const {
    return TextAttributeReader::Answer(m_overlined, overlined);
}

IsValueSpecifiedEnum XMLTextFragment::Height(double& height) const {
    return TextAttributeReader::Answer(m_height, height);
}

IsValueSpecifiedEnum XMLTextFragment::Width(double& width) const {
    return TextAttributeReader::Answer(m_width, width);
}

IsValueSpecifiedEnum XMLTextFragment::FontSize(double& size) const {
    return TextAttributeReader::Answer(m_fontSize, size);
}

IsValueSpecifiedEnum XMLTextFragment::Gap(double& gap) const {
    return TextAttributeReader::Answer(m_gap, gap);
}

IsValueSpecifiedEnum XMLTextFragment::ScriptType(std::int32_t& type) const {
    return TextAttributeReader::Answer(m_scriptType, type);
}

} // namespace Orvik
