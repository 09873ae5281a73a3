#pragma once

#include "orvik/api/ExtensionDataContent.h"
#include "orvik/api/IObjectVisitor.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Property.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <vector>

namespace Orvik {

class IDomainData;

// Every object of the model. Operations in the framework's slot order.
class IObject {
public:
    virtual ~IObject() = default;
    virtual void AcceptVisitor(IObjectVisitor& visitor) { visitor.VisitUnknown(*this); }
    virtual UTF8String Id() const = 0;
    virtual UTF16String Label() const = 0;
    virtual bool IsThreadSafe() const { return false; }
    virtual IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String& typeId,
                                                       ExtensionDataContent& out) const = 0;
    virtual IsValueSpecifiedEnum ExtensionDataChangeKeyByTypeId(const UTF8String&,
                                                                UTF16String&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    virtual IsValueSpecifiedEnum ChangeKey(UTF16String& out) const = 0;
    virtual IsValueSpecifiedEnum VersionPersistentId(UTF8String& out) const = 0;
    virtual IsValueSpecifiedEnum Properties(std::vector<Property>& out) const = 0;
    virtual const IDomainData* DomainData() const = 0;
    virtual IsValueSpecifiedEnum KeyframeAnimationChannels(IdSet&) const {
        return IsValueSpecifiedEnum::kUnspecified;
    }
};

} // namespace Orvik
