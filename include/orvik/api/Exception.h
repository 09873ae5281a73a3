#pragma once

#include "orvik/api/UTF8String.h"

#include <exception>
#include <memory>
#include <string>

namespace Orvik {

// Base of the framework's exceptions; the reporter role says which module raised it.
class Exception : public std::exception {
public:
    explicit Exception(UTF8String message)
        : m_message(std::move(message)) {}

    const char* what() const noexcept override { return m_message.CStr(); }
    const UTF8String& Message() const { return m_message; }

    void SetReporter(int role) { m_reporter = role; }
    int Reporter() const { return m_reporter; }

    virtual std::unique_ptr<Exception> Clone() const = 0;

private:
    UTF8String m_message;
    int m_reporter = 0;
};

} // namespace Orvik
