#pragma once

#include "veld/ENTITY_LIST.h"
#include "veld/outcome.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace Orvik::Veld {

// Restores the entities of one body file, text or binary, from an open file.
class VKI_RESTORE {
public:
    // The file stays the caller's. The last argument names a restore version; -1 is "as
    // written", the only one this kernel knows.
    VKI_RESTORE(std::FILE* file, bool textMode, int version);

    // 1 lets a file that carries the insecure marker be restored; 0 (the default) refuses it.
    void set_allow_insecure_restore(int allow) { m_allowInsecure = allow != 0; }
    // Leaves the list empty unless the whole file could be read.
    outcome execute_restore(ENTITY_LIST& list);
    // After execute_restore: whether the file carried the insecure marker, whether the restore
    // was refused for it, and the file's header flags.
    outcome security_issue_found(bool& found, bool& refused, int& flags) const;

private:
    bool ReadFile(std::vector<unsigned char>& bytes) const;

    std::FILE* m_file;
    bool m_textMode;
    bool m_allowInsecure = false;
    bool m_restored = false;
    bool m_insecure = false;
    bool m_refused = false;
    std::uint32_t m_flags = 0;
};

} // namespace Orvik::Veld
