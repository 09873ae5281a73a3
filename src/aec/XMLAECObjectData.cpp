#include "aec/XMLAECObjectData.h"

namespace Orvik {

IsValueSpecifiedEnum XMLAECObjectData::TypeObjectId(AECTypeObjectId& out) const {
    if (!m_hasTypeObjectId)
        return IsValueSpecifiedEnum::kUnspecified;
    out = m_typeObjectId;
    return IsValueSpecifiedEnum::kSpecified;
}

void XMLAECObjectData::SetTypeObjectId(const AECTypeObjectId& id) {
    m_typeObjectId = id;
    m_hasTypeObjectId = true;
}

} // namespace Orvik
