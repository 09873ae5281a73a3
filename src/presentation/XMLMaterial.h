#pragma once

#include "orvik/api/IMaterial.h"
#include "orvik/api/aec/IMaterialData.h"
#include "xml_util/XMLEntity.h"

#include <memory>
#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// A material of a "MaterialSet": description, category, styles and how it is built up.
class XMLMaterial : public XMLEntity<IMaterial> {
public:
    explicit XMLMaterial(UTF8String id)
        : XMLEntity(std::move(id), UTF16String()) {}

    // False, with nothing read, for an element without attributes.
    bool Read(ReadContext& context, const xercesc::DOMElement& element);

    IsValueSpecifiedEnum Description(UTF16String& out) const override;
    IsValueSpecifiedEnum Category(UTF16String& out) const override;
    IsValueSpecifiedEnum MaterialData(const IMaterialData*& out) const override;
    // The styles the material lists: kept, so they are answered too.
    IdSet Styles() const override { return m_styles; }

private:
    void ReadChild(ReadContext& context, const xercesc::DOMElement& child);

    std::optional<UTF16String> m_description;
    std::optional<UTF16String> m_category;
    std::unique_ptr<IMaterialData> m_data;
    IdSet m_styles;
};

} // namespace Orvik
