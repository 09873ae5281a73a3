#pragma once

#include "orvik/api/IRenderStyle.h"
#include "orvik/api/UTF16String.h"

#include <string_view>

namespace Orvik {

// A render style backed by a render asset of the asset library.
class IAmbrelRenderStyle : public IRenderStyle {
public:
    void AcceptVisitor(IObjectVisitor& visitor) override { visitor.Visit(*this); }

    // The serialized asset; the bytes live as long as the style.
    virtual IsValueSpecifiedEnum SerializedAsset(std::string_view& bytes) const = 0;
    virtual IsValueSpecifiedEnum AmbrelLibraryId(UTF16String& out) const = 0;
    virtual IsValueSpecifiedEnum AssetDefinitionId(UTF16String& out) const = 0;
    virtual IsValueSpecifiedEnum AssetInstanceVersionGUID(UTF16String& out) const = 0;
};

} // namespace Orvik
