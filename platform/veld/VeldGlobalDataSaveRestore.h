#pragma once

#include "veld/VeldHistoryUtil.h"

namespace Orvik {

// Keeps the kernel's process-wide state (the active history stream) as it was before a piece
// of work that changes it, so one producer's restore does not leak into the host's session.
class VeldGlobalDataSaveRestore {
public:
    VeldGlobalDataSaveRestore()
        : m_savedActive(VeldHistoryUtil::ActiveStream()) {}
    ~VeldGlobalDataSaveRestore() { VeldHistoryUtil::SetActiveHistoryStream(m_savedActive); }
    VeldGlobalDataSaveRestore(const VeldGlobalDataSaveRestore&) = delete;
    VeldGlobalDataSaveRestore& operator=(const VeldGlobalDataSaveRestore&) = delete;

private:
    HistoryStreamHandle m_savedActive;
};

} // namespace Orvik
