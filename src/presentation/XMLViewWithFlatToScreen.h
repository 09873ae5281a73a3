#pragma once

#include "orvik/api/IViewWithFlatToScreen.h"
#include "presentation/XMLProducerViewMemberWithFlatToScreenInfo.h"
#include "presentation/XMLView.h"

namespace Orvik {

// A view with members drawn flat to the screen inside a screen-space box.
class XMLViewWithFlatToScreen
    : public XMLView<IViewWithFlatToScreen, XMLProducerViewMemberWithFlatToScreenInfo> {
public:
    using XMLView::XMLView;

    // Each "FlatToScreenBox" child sets the box; the last one wins.
    void ReadFlatToScreen(const xercesc::DOMElement& element, ReadContext& context) override;

    IsValueSpecifiedEnum FlatToScreenBox(double& x, double& y, double& width, double& height,
                                         bool& isScalableWithCamera) const override;
    bool MemberIsFlatToScreen(std::size_t index) const override;
    IsValueSpecifiedEnum MemberFlagAssociation(std::size_t index, IdSetSet& paths) const override;

private:
    void ReadBox(const xercesc::DOMElement& box, ReadContext& context);

    bool m_hasBox = false;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_width = 0.0;
    double m_height = 0.0;
    bool m_isScalableWithCamera = false;
};

} // namespace Orvik
