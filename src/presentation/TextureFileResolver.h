#pragma once

#include "orvik/api/UTF16String.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Finds the files a texture names: beside the document, or inside the extraction folder of a
// zipped document, where the unpacking may have stored a name under a replaced spelling. A
// path that would leave those folders, or pass through a link, is neither read nor moved.
class TextureFileResolver {
public:
    TextureFileResolver(ReadContext& context, const xercesc::DOMElement& texture)
        : m_context(context)
        , m_texture(texture) {}

    // The path of the file a "TextureFileReference" names; the reference as written when there
    // is no such file, or when it lies outside the folders.
    UTF16String ResolveFileReference(const UTF16String& reference) const;
    // The "TempFilePath" to read the embedded image from; false when it is no regular file
    // inside the folders.
    bool VetTempFilePath(const UTF16String& written, UTF16String& path) const;

private:
    UTF16String ResolveInZipDirectory(const UTF16String& reference) const;
    UTF16String ResolveBesideDocument(const UTF16String& reference) const;
    // The reference with the characters a file name cannot hold replaced in each part.
    static UTF16String ReplacedSpelling(const UTF16String& reference);
    bool Inside(const UTF16String& folder, const UTF16String& path) const;
    void ReportRefused(const UTF16String& path, const char* what) const;

    ReadContext& m_context;
    const xercesc::DOMElement& m_texture;
};

} // namespace Orvik
