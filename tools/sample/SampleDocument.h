#pragma once

#include "orvik/writer/XmlDocumentBuilder.h"

#include <string>

namespace Orvik::Sample {

struct SampleOptions {
    // Instances of the shared shaft part in the top assembly.
    unsigned partCount = 3;
};

// A realistic document: a root file holding an assembly of parts, with the document-wide
// settings of the universe.
class SampleDocument {
public:
    explicit SampleDocument(SampleOptions options)
        : m_options(options) {}

    std::string Xml() const;
    // Writes NAME.xml and NAME.zip (the document packed with its side files) into the folder.
    void WriteTo(const std::string& folder, const std::string& name) const;

private:
    Writer::XmlDocumentBuilder Build() const;

    SampleOptions m_options;
};

} // namespace Orvik::Sample
