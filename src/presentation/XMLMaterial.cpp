#include "presentation/XMLMaterial.h"

#include "aec/MaterialDataReader.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "presentation/UnparsableValueReport.h"
#include "xml_util/OptionalAnswer.h"
#include "xml_util/XMLUtils.h"

#include <xercesc/dom/DOMNamedNodeMap.hpp>

namespace Orvik {

using xercesc::DOMElement;

bool XMLMaterial::Read(ReadContext& context, const DOMElement& element) {
    const xercesc::DOMNamedNodeMap* attributes = element.getAttributes();
    if (attributes == nullptr || attributes->getLength() == 0)
        return false;
    SetLabel(UTF16String(element.getAttribute(u"Label")));
    UTF8String versionId;
    if (XMLUtils::GetNodeAttribute(&element, u"VersionPersistentId", versionId))
        SetVersionPersistentId(versionId);
    UTF16String text;
    if (XMLUtils::GetNodeAttribute(&element, u"Category", text))
        m_category = text;
    if (XMLUtils::GetNodeAttribute(&element, u"Description", text))
        m_description = text;
    const MaterialDataContext dataContext = UnparsableValueReport::MaterialData(context);
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& child) {
        // The last data child wins; the one before is freed.
        if (auto data = MaterialDataReader::Read(dataContext, child))
            m_data = std::move(data);
        else
            ReadChild(context, child);
    });
    return true;
}

void XMLMaterial::ReadChild(ReadContext& context, const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"ChangeKey")) {
        SetChangeKey(UTF16String(child.getTextContent()));
    } else if (ElementWalk::IsNamed(child, u"ExtensionData")) {
        ElementReaders::AddExtensionData(context, child, *this);
    } else if (ElementWalk::IsNamed(child, u"Styles")) {
        ElementReaders::ReadStyleRefs(&context, &child, m_styles);
    }
}

IsValueSpecifiedEnum XMLMaterial::Description(UTF16String& out) const {
    return AnswerOptional(m_description, out);
}

IsValueSpecifiedEnum XMLMaterial::Category(UTF16String& out) const {
    return AnswerOptional(m_category, out);
}

IsValueSpecifiedEnum XMLMaterial::MaterialData(const IMaterialData*& out) const {
    if (!m_data)
        return IsValueSpecifiedEnum::kUnspecified;
    out = m_data.get();
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
