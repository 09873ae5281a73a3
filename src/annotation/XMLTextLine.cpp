#include "annotation/XMLTextLine.h"

#include "annotation/TextAttributeReader.h"
#include "loader/CheckedIndex.h"
#include "loader/ElementWalk.h"

namespace Orvik {

using xercesc::DOMElement;

bool XMLTextLine::Read(const DOMElement& element, ReadContext& context) {
    const TextAttributeReader attributes(element, context);
    attributes.ReadInt(u"TextAlignment", m_alignment);
    attributes.ReadDouble(u"Indentation", m_indentation);
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        if (!ElementWalk::IsNamed(child, u"ITextFragment"))
            return;
        auto fragment = std::make_unique<XMLTextFragment>();
        fragment->Read(child, context);
        m_fragments.push_back(std::move(fragment));
    });
    return true;
}

const ITextFragment* XMLTextLine::TextFragmentAt(std::uint64_t index) const {
    return m_fragments[CheckedIndex::Of(index, m_fragments.size())].get();
}

IsValueSpecifiedEnum XMLTextLine::TextAlignment(std::int32_t& alignment) const {
    return TextAttributeReader::Answer(m_alignment, alignment);
}

IsValueSpecifiedEnum XMLTextLine::Indentation(double& indentation) const {
    return TextAttributeReader::Answer(m_indentation, indentation);
}

} // namespace Orvik
