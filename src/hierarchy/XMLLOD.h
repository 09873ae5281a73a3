#pragma once

#include "orvik/api/ILod.h"
#include "xml_util/XMLEntity.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "ILod" of a "LodSet". Its id stays as written, as the meshes' "LODID" does.
class XMLLOD : public XMLEntity<ILod> {
public:
    explicit XMLLOD(const UTF8String& id);
    ~XMLLOD() override;

    // Reads every "ILod" child of the set whose id no object has yet, adds it to the collector
    // and appends its id to `ids`; the first element met for an id defines the level of detail
    // for the whole document. False only for a null element.
    static bool ReadLodSet(ReadContext& context, const xercesc::DOMElement* set,
                           std::vector<UTF8String>& ids);

    UTF16String Description() const override { return m_description; }

    void SetDescription(const UTF16String& description) { m_description = description; }

private:
    UTF16String m_description;
};

} // namespace Orvik
