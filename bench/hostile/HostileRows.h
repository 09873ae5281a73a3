#pragma once

#include "HostileRow.h"

#include <utility>
#include <vector>

namespace Orvik::Hostile {

// Documents and side files built to harm the host that loads them: entity blow-ups, markup
// floods, paths out of the document's folder, endless or blocking files, huge files and archives,
// paths that name no document. Each is cheap to build: sparse files, small archives.
class HostileRows {
public:
    static const std::vector<HostileRow>& All();
    // Every element that names a side file; a row of side files names its path in each.
    static const std::vector<std::string>& SideFilePlaces();
    // The info sections read only when a flag attribute says "True": section and flag.
    static const std::vector<std::pair<const char*, const char*>>& FlaggedSections();
};

} // namespace Orvik::Hostile
