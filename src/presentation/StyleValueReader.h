#pragma once

#include "aec/NumericAttribute.h"
#include "orvik/api/Color.h"
#include "orvik/api/UTF8String.h"

#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The values a style element carries: colours, factors, texture references and scalars.
class StyleValueReader {
public:
    explicit StyleValueReader(ReadContext& context);

    // Set only when red, green and blue are all present and numbers; an alpha that is not a
    // number is left out.
    static std::optional<Color> ReadColour(const xercesc::DOMElement& element);
    // Only when present and a number.
    static std::optional<double> ReadFactor(const xercesc::DOMElement& element, const XMLCh* name);
    // "TextureId", with the new id under an id prefix, as the texture's own id gets.
    std::optional<UTF8String> ReadTextureReference(const xercesc::DOMElement& element) const;
    // Whenever present; text that is not a number gives 0 and is reported.
    std::optional<double> ReadScalar(const xercesc::DOMElement& element, const XMLCh* name) const;
    std::optional<int> ReadInteger(const xercesc::DOMElement& element, const XMLCh* name) const;

private:
    ReadContext& m_context;
    NumericAttribute::ReportUnparsable m_report;
};

} // namespace Orvik
