#pragma once

#include "orvik/api/UTF16String.h"

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
    // Whether a resolved path lies outside the document's folder and the extraction folder.
    static bool LeavesTheFolders(const ReadContext& context, const UTF16String& path);
    static void ReportOutside(ReadContext& context, const xercesc::DOMElement& reference,
                              const UTF16String& path);
};

} // namespace Orvik
