#include "orvik/api/LocaleHelper.h"

namespace Orvik {

namespace {

// Throws std::runtime_error for a name the system does not know, before anything changed.
std::locale LocaleNamed(const UTF8String& name) {
    return name.IsEmpty() ? std::locale::classic() : std::locale(name.CStr());
}

} // namespace

LocaleHelper::LocaleHelper(const UTF8String& name)
    : m_previous(std::locale::global(LocaleNamed(name))) {}

LocaleHelper::~LocaleHelper() {
    std::locale::global(m_previous);
}

} // namespace Orvik
