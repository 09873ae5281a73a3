#pragma once

#include "orvik/api/FileChildId.h"
#include "orvik/api/IObject.h"
#include "orvik/api/IVisible.h"

#include <cstdint>

namespace Orvik {

class IText;

// A note placed in the model: a text block lying in a plane, with the callout elements that
// point at the geometry it refers to.
class IAnnotationCallout : public IObject, public IVisible {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    virtual std::uint64_t ChildCount() const = 0;
    // Throws GeneralException for an index not below the count; an id whose object is not
    // held answers an empty child id.
    virtual AnnotationCalloutChildId ChildAt(std::uint64_t index) const = 0;
    // The id of the plane the note lies in; unspecified when none was given.
    virtual IsValueSpecifiedEnum AnnotationPlane(UTF8String& planeId) const = 0;
    // Null when the callout has no text. Owned by the callout.
    virtual const IText* Text() const = 0;
    virtual IdSet Materials() const { return IdSet(); }
};

} // namespace Orvik
