#include "presentation/XMLViewWithFlatToScreen.h"

#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "presentation/SceneAttributeReader.h"

namespace Orvik {

using xercesc::DOMElement;

void XMLViewWithFlatToScreen::ReadFlatToScreen(const DOMElement& element, ReadContext& context) {
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"FlatToScreenBox"))
            ReadBox(child, context);
    });
}

// The box counts as given whatever it holds: missing or unreadable values read as 0.
void XMLViewWithFlatToScreen::ReadBox(const DOMElement& box, ReadContext& context) {
    m_hasBox = true;
    m_width = SceneAttributeReader::Double(box, u"Width", context).value_or(0.0);
    m_height = SceneAttributeReader::Double(box, u"Height", context).value_or(0.0);
    m_isScalableWithCamera = SceneAttributeReader::NonZero(box, u"IsScalableWithCamera", context);
    m_x = m_y = 0.0;
    ElementWalk::ForEachChildElement(box, [&](const DOMElement& corner) {
        if (ElementWalk::IsNamed(corner, u"LeftBottomCorner"))
            ElementReaders::ReadXYLoose(&corner, m_x, m_y);
    });
}

IsValueSpecifiedEnum XMLViewWithFlatToScreen::FlatToScreenBox(double& x, double& y, double& width,
                                                              double& height,
                                                              bool& isScalableWithCamera) const {
    if (!m_hasBox)
        return IsValueSpecifiedEnum::kUnspecified;
    x = m_x;
    y = m_y;
    width = m_width;
    height = m_height;
    isScalableWithCamera = m_isScalableWithCamera;
    return IsValueSpecifiedEnum::kSpecified;
}

bool XMLViewWithFlatToScreen::MemberIsFlatToScreen(std::size_t index) const {
    return MemberAt(index).isFlatToScreen;
}

IsValueSpecifiedEnum XMLViewWithFlatToScreen::MemberFlagAssociation(std::size_t index,
                                                                    IdSetSet& paths) const {
    const XMLProducerViewMemberWithFlatToScreenInfo& member = MemberAt(index);
    if (member.flagAssociation.IsEmpty())
        return IsValueSpecifiedEnum::kUnspecified;
    paths = member.flagAssociation;
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
