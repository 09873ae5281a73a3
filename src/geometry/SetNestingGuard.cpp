#include "geometry/SetNestingGuard.h"

#include "loader/Dispatcher.h"
#include "loader/ElementRegistry.h"

namespace Orvik {

SetNestingGuard::SetNestingGuard(ElementRegistry& registry)
    : m_depth(registry.DispatchDepth()) {
    ++m_depth;
}

SetNestingGuard::~SetNestingGuard() {
    --m_depth;
}

bool SetNestingGuard::TooDeep() const {
    return m_depth > Dispatcher::kMaxDispatchDepth;
}

} // namespace Orvik
