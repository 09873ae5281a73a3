#pragma once

#include "orvik/api/UTF8String.h"

#include <locale>
#include <string>

namespace Orvik {

// Makes the named locale (the classic one for an empty name) the process-wide global locale
// and restores the previous one when it goes out of scope, on every path out.
class LocaleHelper {
public:
    explicit LocaleHelper(const UTF8String& name);
    ~LocaleHelper();

    LocaleHelper(const LocaleHelper&) = delete;
    LocaleHelper& operator=(const LocaleHelper&) = delete;

private:
    // The C library's locale too: a host may have set it without touching the C++ one.
    std::string m_previousC;
    std::locale m_previous;
};

} // namespace Orvik
