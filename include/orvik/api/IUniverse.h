#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/IDomainProjectContext.h"
#include "orvik/api/PropertyDatabase.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/Variant.h"
#include "orvik/api/ViewingData.h"

#include <cstdint>

namespace Orvik {

// Document-wide settings that belong to no single object.
class IUniverse {
public:
    virtual ~IUniverse() = default;
    virtual bool DefaultCurveColor(Color& out) const = 0;
    virtual bool DefaultSurfaceColor(Color& out) const = 0;
    virtual bool ViewingData(Orvik::ViewingData& out) const = 0;
    virtual std::uint64_t CustomDataCount() const = 0;
    virtual bool CustomDataAt(std::uint64_t index, UTF8String& key, Variant& value) const = 0;
    virtual Orvik::PropertyDatabase* PropertyDatabase() const = 0;
    virtual bool TextureUVOriginType(unsigned& out) const = 0;
    virtual IDomainProjectContext* DomainProjectContext() const = 0;
};

} // namespace Orvik
