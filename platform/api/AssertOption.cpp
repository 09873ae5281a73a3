#include "orvik/api/AssertOption.h"

#include <atomic>

namespace Orvik {

namespace {

// Hosts may switch the hook from another thread than the one that loads.
std::atomic<bool> g_assertEnabled{false};

} // namespace

bool AssertOption::IsAssertEnabled() {
    return g_assertEnabled.load();
}

void AssertOption::SetAssertEnabled(bool enabled) {
    g_assertEnabled.store(enabled);
}

std::mutex& AssertOption::Mutex() {
    static std::mutex mutex;
    return mutex;
}

void RunAssertionHook() {
    if (AssertOption::IsAssertEnabled()) {
        const AssertMutexLockGuard guard;
    }
}

} // namespace Orvik
