#pragma once

#include "annotation/XMLTextFragment.h"
#include "orvik/api/ITextLine.h"

#include <memory>
#include <optional>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// An "ITextLine" element: its fragments in document order, with alignment and indentation.
class XMLTextLine : public ITextLine {
public:
    // Answers true; what does not parse is left unset.
    bool Read(const xercesc::DOMElement& element, ReadContext& context);

    std::uint64_t TextFragmentCount() const override { return m_fragments.size(); }
    const ITextFragment* TextFragmentAt(std::uint64_t index) const override;
    IsValueSpecifiedEnum TextAlignment(std::int32_t& alignment) const override;
    IsValueSpecifiedEnum Indentation(double& indentation) const override;

private:
    std::vector<std::unique_ptr<XMLTextFragment>> m_fragments;
    std::optional<std::int32_t> m_alignment;
    std::optional<double> m_indentation;
};

} // namespace Orvik
