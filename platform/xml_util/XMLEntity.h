#pragma once

#include "xml_util/XMLObject.h"

#include <utility>
#include <vector>

namespace Orvik {

// An entity class's base: the framework interface it implements, answered for the object
// operations from what XMLObject keeps.
template <typename Interface>
class XMLEntity : public Interface, public XMLObject {
public:
    XMLEntity()
        : XMLObject(UTF8String(), UTF16String()) {}
    // Further arguments build the interface's own base (a kernel binding, say).
    template <typename... BaseArguments>
    XMLEntity(UTF8String id, UTF16String label, BaseArguments&&... arguments)
        : Interface(std::forward<BaseArguments>(arguments)...)
        , XMLObject(std::move(id), std::move(label)) {}

    UTF8String Id() const override { return IdImpl(); }
    UTF16String Label() const override { return LabelImpl(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String& typeId,
                                               ExtensionDataContent& out) const override {
        return ExtensionDataByTypeIdImpl(typeId, out);
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String& out) const override { return ChangeKeyImpl(out); }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String& out) const override {
        return VersionPersistentIdImpl(out);
    }
    IsValueSpecifiedEnum Properties(std::vector<Property>& out) const override {
        return PropertiesImpl(out);
    }
    const IDomainData* DomainData() const override { return DomainDataImpl(); }
};

} // namespace Orvik
