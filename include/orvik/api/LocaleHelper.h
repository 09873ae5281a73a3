#pragma once

#include "orvik/api/UTF8String.h"

#include <locale>

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
    std::locale m_previous;
};

} // namespace Orvik
