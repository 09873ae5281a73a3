#pragma once

#include "annotation/XMLTextLine.h"
#include "orvik/api/IText.h"

#include <memory>
#include <optional>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "IText" element: the lines of a callout's text, placed at an origin.
class XMLText : public IText {
public:
    // Answers true; what does not parse is left unset.
    bool Read(const xercesc::DOMElement& element, ReadContext& context);

    void Origin(Position& origin) const override { origin = m_origin; }
    IsValueSpecifiedEnum Transform(Matrix3d& transform) const override;
    std::uint64_t TextLineCount() const override { return m_lines.size(); }
    const ITextLine* TextLineAt(std::uint64_t index) const override;
    void TextJustification(std::int32_t& justification) const override {
        justification = m_justification;
    }
    IsValueSpecifiedEnum IsVertical(bool& vertical) const override;
    IsValueSpecifiedEnum LengthUnit(UnitTypeEnum& unit) const override;

private:
    void ReadAttributes(const xercesc::DOMElement& element, ReadContext& context);
    void ReadChild(const xercesc::DOMElement& child, ReadContext& context);

    Position m_origin;
    std::optional<Matrix3d> m_transform;
    std::vector<std::unique_ptr<XMLTextLine>> m_lines;
    std::optional<bool> m_vertical;
    std::optional<UnitTypeEnum> m_lengthUnit;
    std::int32_t m_justification = 1;
};

} // namespace Orvik
