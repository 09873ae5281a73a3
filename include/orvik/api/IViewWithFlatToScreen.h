#pragma once

#include "orvik/api/IView.h"
#include "orvik/api/IdSetSet.h"

namespace Orvik {

// A view whose members may be drawn flat to the screen, inside a screen-space box.
class IViewWithFlatToScreen : public IView {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual IsValueSpecifiedEnum FlatToScreenBox(double& x, double& y, double& width,
                                                 double& height,
                                                 bool& isScalableWithCamera) const = 0;
    virtual bool MemberIsFlatToScreen(std::size_t index) const = 0;
    // Occurrence paths of the annotation flags associated with the member.
    virtual IsValueSpecifiedEnum MemberFlagAssociation(std::size_t index,
                                                       IdSetSet& paths) const = 0;
};

} // namespace Orvik
