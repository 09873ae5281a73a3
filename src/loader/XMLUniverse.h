#pragma once

#include "orvik/api/Color.h"
#include "orvik/api/IDomainProjectContext.h"
#include "orvik/api/IUniverse.h"
#include "orvik/api/PropertyDatabase.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/Variant.h"
#include "orvik/api/ViewingData.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The document-wide settings of the "IUniverse" element.
class XMLUniverse : public IUniverse {
public:
    using DOMElement = xercesc::DOMElement;
    using DOMNode = xercesc::DOMNode;

    explicit XMLUniverse(ReadContext& context);
    ~XMLUniverse() override;
    XMLUniverse(const XMLUniverse&) = delete;
    XMLUniverse& operator=(const XMLUniverse&) = delete;

    // False only without an element; what does not convert is left unset.
    bool ReadUniverse(const DOMElement* element);

    bool DefaultCurveColor(Color& out) const override;
    bool DefaultSurfaceColor(Color& out) const override;
    bool ViewingData(Orvik::ViewingData& out) const override;
    std::uint64_t CustomDataCount() const override;
    // Throws std::out_of_range for an index not below the count; false for a key whose value
    // could not be read, with the key still set.
    bool CustomDataAt(std::uint64_t index, UTF8String& key, Variant& value) const override;
    Orvik::PropertyDatabase* PropertyDatabase() const override;
    bool TextureUVOriginType(unsigned& out) const override;
    IDomainProjectContext* DomainProjectContext() const override;

    // Used by the custom data reader.
    const UTF16String& DocumentPath() const { return m_documentPath; }
    void AppendCustomDataKey(const UTF8String& key);
    // A repeated key keeps its first value.
    void InsertCustomDataValue(const UTF8String& key, Variant value);

private:
    void ReadViewData(const DOMNode* viewData);
    static void ReadColor(const DOMNode* element, Color& color, bool& hasColor);
    void ReadTextureUVOrigin(const DOMNode* element);
    void ReadAECProjectContext(const DOMElement* element);
    void ReadDomainProjectContext(const DOMElement* element);

    // The load that reads the universe; it outlives the universe.
    ReadContext* m_context;
    std::unique_ptr<Orvik::PropertyDatabase> m_propertyDatabase;
    UTF16String m_documentPath;
    std::unique_ptr<Orvik::ViewingData> m_viewingData;
    Color m_defaultCurveColor;
    bool m_hasDefaultCurveColor = false;
    Color m_defaultSurfaceColor;
    bool m_hasDefaultSurfaceColor = false;
    std::uint32_t m_textureUVOrigin = 0;
    bool m_hasTextureUVOrigin = false;
    std::unique_ptr<IDomainProjectContext> m_domainProjectContext;
    std::vector<UTF8String> m_customDataKeys;
    std::map<UTF8String, Variant> m_customDataValues;
};

} // namespace Orvik
