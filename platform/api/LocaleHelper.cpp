#include "orvik/api/LocaleHelper.h"

#include <clocale>

namespace Orvik {

namespace {

// Throws std::runtime_error for a name the system does not know, before anything changed.
std::locale LocaleNamed(const UTF8String& name) {
    return name.IsEmpty() ? std::locale::classic() : std::locale(name.CStr());
}

std::string CurrentCLocale() {
    const char* name = std::setlocale(LC_ALL, nullptr);
    return name ? name : "";
}

} // namespace

LocaleHelper::LocaleHelper(const UTF8String& name)
    : m_previousC(CurrentCLocale())
    , m_previous(std::locale::global(LocaleNamed(name))) {}

LocaleHelper::~LocaleHelper() {
    std::locale::global(m_previous);
    if (!m_previousC.empty())
        std::setlocale(LC_ALL, m_previousC.c_str());
}

} // namespace Orvik
