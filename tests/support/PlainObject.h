#pragma once

#include "orvik/api/IObject.h"

#include <utility>

namespace Orvik::TestSupport {

// An object that answers its id and leaves everything else unspecified, for filling collectors.
class PlainObject : public IObject {
public:
    explicit PlainObject(UTF8String id)
        : m_id(std::move(id)) {}

    UTF8String Id() const override { return m_id; }
    UTF16String Label() const override { return UTF16String(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String&,
                                               ExtensionDataContent&) const override {
        return kNo;
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String&) const override { return kNo; }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String&) const override { return kNo; }
    IsValueSpecifiedEnum Properties(std::vector<Property>&) const override { return kNo; }
    const IDomainData* DomainData() const override { return nullptr; }

private:
    static constexpr IsValueSpecifiedEnum kNo = IsValueSpecifiedEnum::kUnspecified;
    UTF8String m_id;
};

} // namespace Orvik::TestSupport
