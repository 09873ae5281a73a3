#pragma once

#include "orvik/api/ILayer.h"
#include "xml_util/XMLEntity.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "ILayer" of a "LayerSet": numbered geometry items shown or hidden together, with styles.
// Made only once its whole element has been read.
class XMLLayer : public XMLEntity<ILayer> {
public:
    XMLLayer(const UTF16String& label, const UTF16String& description, const UTF8String& id,
             std::uint32_t layerNumber, bool visible, const UTF16String& changeKey);
    ~XMLLayer() override;

    // Reads every "ILayer" child of the set, adds each layer to the collector and appends its
    // id to `ids`; other children are passed over. False only for a null element.
    static bool ReadLayerSet(ReadContext& context, const xercesc::DOMElement* set,
                             std::vector<UTF8String>& ids);

    UTF16String Description() const override { return m_description; }
    std::uint32_t LayerNumber() const override { return m_layerNumber; }
    const IdSet& GeometryItems() const override { return m_items; }
    const IdSet& Styles() const override { return m_styles; }
    bool IsVisible() const override { return m_visible; }

    void AddGeometryItem(const UTF8String& id) { m_items.AddWithUniquenessCheck(id); }
    void SetStyles(IdSet styles) { m_styles = std::move(styles); }

private:
    UTF16String m_description;
    std::uint32_t m_layerNumber;
    bool m_visible;
    IdSet m_items;
    IdSet m_styles;
};

} // namespace Orvik
