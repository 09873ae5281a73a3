#pragma once

#include "aec/MaterialDataContext.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/UTF16String.h"
#include "xml_util/OptionalAnswer.h"

#include <optional>
#include <type_traits>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// The base of every material data class: the name and description all kinds carry, and the two
// reading steps each kind extends.
template <typename Interface>
class XMLMaterialData : public Interface {
public:
    UTF16String Name() const override { return m_name; }
    IsValueSpecifiedEnum Description(UTF16String& out) const override {
        return AnswerOptional(m_description, out);
    }

    // "Name" and "Description", each only when present.
    virtual void ReadAttributes(const xercesc::DOMElement& element,
                                const MaterialDataContext& context) {
        (void)context;
        if (element.getAttributeNode(u"Name") != nullptr)
            m_name = UTF16String(element.getAttribute(u"Name"));
        if (element.getAttributeNode(u"Description") != nullptr)
            m_description = UTF16String(element.getAttribute(u"Description"));
    }
    // True when the child was the kind's own.
    virtual bool ReadChild(const MaterialDataContext&, const xercesc::DOMElement&) { return false; }

protected:
    // A text attribute, only when present.
    static void ReadText(const xercesc::DOMElement& element, const XMLCh* name,
                         std::optional<UTF16String>& value) {
        if (element.getAttributeNode(name) != nullptr)
            value = UTF16String(element.getAttribute(name));
    }
    // A number attribute, only when present.
    template <typename T>
    static void ReadNumber(const xercesc::DOMElement& element, const XMLCh* name,
                           std::optional<T>& value, const MaterialDataContext& context);

private:
    UTF16String m_name;
    std::optional<UTF16String> m_description;
};

template <typename Interface>
template <typename T>
void XMLMaterialData<Interface>::ReadNumber(const xercesc::DOMElement& element, const XMLCh* name,
                                            std::optional<T>& value,
                                            const MaterialDataContext& context) {
    T read{};
    bool present = false;
    if constexpr (std::is_same_v<T, double>)
        present = NumericAttribute::ReadDouble(element, name, read, context.reportUnparsable);
    else
        present = NumericAttribute::ReadUnsigned(element, name, read, context.reportUnparsable);
    if (present)
        value = read;
}

} // namespace Orvik
