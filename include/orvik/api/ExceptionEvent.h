#pragma once

#include "orvik/api/Exception.h"

#include <memory>

namespace Orvik {

// A failure handed to the host's event manager; holds its own copy of the exception.
class ExceptionEvent {
public:
    ExceptionEvent(const Exception& exception, int eventType)
        : m_exception(exception.Clone())
        , m_eventType(eventType) {}

    const Exception& GetException() const { return *m_exception; }
    int EventType() const { return m_eventType; }

private:
    std::unique_ptr<Exception> m_exception;
    int m_eventType;
};

} // namespace Orvik
