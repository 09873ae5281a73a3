#pragma once

#include "orvik/api/ExceptionEvent.h"

namespace Orvik {

// The host's receiver of events. The event is only valid during the call.
class EventManager {
public:
    virtual ~EventManager() = default;
    virtual void RaiseExceptionEvent(const ExceptionEvent& event) const = 0;
};

} // namespace Orvik
