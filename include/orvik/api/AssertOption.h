#pragma once

#include <mutex>

namespace Orvik {

// The framework's assertion hook: hosts switch it on to serialise diagnostic checks.
class AssertOption {
public:
    static bool IsAssertEnabled();
    static void SetAssertEnabled(bool enabled);
    static std::mutex& Mutex();
};

class AssertMutexLockGuard {
public:
    AssertMutexLockGuard()
        : m_lock(AssertOption::Mutex()) {}

private:
    std::lock_guard<std::mutex> m_lock;
};

// Runs the hook as the producer does before it reports or throws.
void RunAssertionHook();

} // namespace Orvik
