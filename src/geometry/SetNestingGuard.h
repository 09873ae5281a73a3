#pragma once

namespace Orvik {

class ElementRegistry;

// One level of container reading (a geometric set, extension geometry or sketch). It counts on
// the registry's dispatch depth, so sets nested in a "ChildSet" and sets reached by reference
// share one bound and a hostile document cannot exhaust the stack either way.
class SetNestingGuard {
public:
    explicit SetNestingGuard(ElementRegistry& registry);
    ~SetNestingGuard();
    SetNestingGuard(const SetNestingGuard&) = delete;
    SetNestingGuard& operator=(const SetNestingGuard&) = delete;

    // Beyond the bound the container is not read: its reading fails.
    bool TooDeep() const;

private:
    unsigned& m_depth;
};

} // namespace Orvik
