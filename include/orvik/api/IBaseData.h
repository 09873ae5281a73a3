#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/DataReturnCodeEnum.h"
#include "orvik/api/UTF8String.h"

namespace Orvik {

// What every data record answers besides its own values.
class IBaseData {
public:
    // A record may stand for another one; the records of this format stand for themselves.
    explicit IBaseData(const IBaseData* base = nullptr)
        : m_base(base) {}
    virtual ~IBaseData() = default;
    virtual DataReturnCodeEnum DataId(UTF8String&) const {
        return DataReturnCodeEnum::kNotImplemented;
    }
    virtual DataReturnCodeEnum EntityColor(Color&) const {
        return DataReturnCodeEnum::kNotImplemented;
    }
    const IBaseData* BaseData() const { return m_base; }

private:
    const IBaseData* m_base;
};

} // namespace Orvik
