#pragma once

#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"

#include <string>

namespace Orvik::Sample {

// The render styles, textures and materials of the sample, with their side files: the asset
// file, a texture beside the document, one stored in the zip under a replaced spelling and an
// embedded image.
class PresentationSample {
public:
    // The "AmbrelMaterialInfo" section.
    static void WriteSection(Writer::XmlDocumentBuilder& b);
    // The root file's "AttributeSet".
    static void WriteAttributeSet(Writer::XmlDocumentBuilder& b);
    // Writes the side files into the folder and adds them to the archive.
    static void WriteFiles(const std::string& folder, Writer::ZipPacker& packer);
};

} // namespace Orvik::Sample
