#include "xml_util/XMLMaterialXStyle.h"

namespace Orvik {

bool XMLMaterialXStyle::FileReferenceAt(std::uint64_t index, UTF16String& source,
                                        UTF16String& resolved) const {
    if (index >= m_files.size())
        return false;
    source = m_files[index].first;
    resolved = m_files[index].second;
    return true;
}

} // namespace Orvik
