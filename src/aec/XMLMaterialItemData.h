#pragma once

#include "aec/XMLMaterialData.h"
#include "orvik/api/UTF8String.h"
#include "xml_util/OptionalAnswer.h"
#include "xml_util/XMLNames.h"

#include <xercesc/util/XMLString.hpp>

namespace Orvik {

// A piece, layer or profile: the material it consists of and its category.
template <typename Interface>
class XMLMaterialItemData : public XMLMaterialData<Interface> {
public:
    IsValueSpecifiedEnum Material(UTF8String& materialId) const override {
        return AnswerOptional(m_material, materialId);
    }
    IsValueSpecifiedEnum Category(UTF16String& out) const override {
        return AnswerOptional(m_category, out);
    }

    void ReadAttributes(const xercesc::DOMElement& element,
                        const MaterialDataContext& context) override {
        XMLMaterialData<Interface>::ReadAttributes(element, context);
        this->ReadText(element, u"Category", m_category);
    }
    // The material reference; one without an id names nothing.
    bool ReadChild(const MaterialDataContext& context, const xercesc::DOMElement& child) override {
        if (!xercesc::XMLString::equals(child.getNodeName(), MaterialRefNodeNameXMLCh))
            return false;
        const UTF8String id(UTF16String(child.getAttribute(u"ID")));
        if (!id.IsEmpty())
            m_material = context.MapId(id);
        return true;
    }

protected:
    std::optional<UTF8String> m_material;

private:
    std::optional<UTF16String> m_category;
};

} // namespace Orvik
