#pragma once

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;
class XMLMaterialXStyle;

// The content of a "MaterialXStyleInfo": the "materialx" document as text, and the files it
// names.
class MaterialXContent {
public:
    static void Read(ReadContext& context, const xercesc::DOMElement& info,
                     XMLMaterialXStyle& style);

private:
    static void ReadDocument(const xercesc::DOMElement& materialx, XMLMaterialXStyle& style);
    static void ReadFileReference(ReadContext& context, const xercesc::DOMElement& reference,
                                  XMLMaterialXStyle& style);
};

} // namespace Orvik
