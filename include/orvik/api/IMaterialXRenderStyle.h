#pragma once

#include "orvik/api/Blob.h"
#include "orvik/api/IRenderStyle.h"
#include "orvik/api/UTF16String.h"

#include <cstdint>

namespace Orvik {

// A render style whose whole content is a MaterialX document, with the files it names.
class IMaterialXRenderStyle : public IRenderStyle {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    // The document as UTF-8 text, without a terminator.
    virtual IsValueSpecifiedEnum MaterialXContent(Blob& out) const = 0;
    virtual std::uint64_t FileReferenceCount() const = 0;
    // The path as the document names it and where it was found; false for an index past the
    // count.
    virtual bool FileReferenceAt(std::uint64_t index, UTF16String& source,
                                 UTF16String& resolved) const = 0;
};

} // namespace Orvik
