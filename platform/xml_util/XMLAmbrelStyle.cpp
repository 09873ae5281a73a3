#include "xml_util/XMLAmbrelStyle.h"

namespace Orvik {

IsValueSpecifiedEnum XMLAmbrelStyle::SerializedAsset(std::string_view& bytes) const {
    if (!m_asset)
        return IsValueSpecifiedEnum::kUnspecified;
    bytes = m_asset->Bytes();
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
