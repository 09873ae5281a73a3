#include "annotation/TextAttributeReader.h"

#include "loader/ReadContext.h"
#include "orvik/api/StringUtil.h"

#include <xercesc/dom/DOMAttr.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {

const XMLCh* TextAttributeReader::Text(const XMLCh* name) const {
    const xercesc::DOMAttr* attribute = m_element.getAttributeNode(name);
    return attribute == nullptr ? nullptr : attribute->getValue();
}

bool TextAttributeReader::ParseDouble(const XMLCh* name, double& value) const {
    const XMLCh* text = Text(name);
    if (text == nullptr)
        return false;
    if (StringUtil::ToDouble(UTF16String(text), value))
        return true;
    ReportUnparsable(name, text);
    return false;
}

void TextAttributeReader::ReadDouble(const XMLCh* name, std::optional<double>& value) const {
    double parsed = 0.0;
    if (ParseDouble(name, parsed))
        value = parsed;
}

void TextAttributeReader::ReadInt(const XMLCh* name, std::optional<std::int32_t>& value) const {
    const XMLCh* text = Text(name);
    if (text == nullptr)
        return;
    int parsed = 0;
    if (StringUtil::ToInt(UTF16String(text), parsed, 10))
        value = static_cast<std::int32_t>(parsed);
    else
        ReportUnparsable(name, text);
}

void TextAttributeReader::ReadFlag(const XMLCh* name, const XMLCh* trueText,
                                   std::optional<bool>& value) const {
    if (const XMLCh* text = Text(name))
        value = xercesc::XMLString::equals(text, trueText);
}

void TextAttributeReader::ReadColor(Color& color) const {
    double red = 0.0, green = 0.0, blue = 0.0, alpha = 0.0;
    // Each is parsed, so every fraction that is no number is recorded.
    const bool redRead = ParseDouble(u"FractionRed", red);
    const bool greenRead = ParseDouble(u"FractionGreen", green);
    const bool blueRead = ParseDouble(u"FractionBlue", blue);
    const bool alphaRead = ParseDouble(u"FractionAlpha", alpha);
    if (redRead && greenRead && blueRead && alphaRead) {
        color.SetFractionalRGBA(red, green, blue, alpha);
        return;
    }
    m_context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &m_element,
                     UTF8String("a colour needs all four fractions as numbers; the default "
                                "colour stands"));
}

void TextAttributeReader::ReportUnparsable(const XMLCh* name, const XMLCh* text) const {
    m_context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &m_element,
                     UTF8String("\"" + UTF16String(name).ToUTF8() + "\" is \"" +
                                UTF16String(text).ToUTF8() +
                                "\", not a number; the value stays as it was"));
}

} // namespace Orvik
