#pragma once

#include "orvik/api/UTF16String.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The info sections of a document: each names a side file, read once into the side tables
// before any entity is read.
class SideFileSections {
public:
    // What a section hands back to the load besides the side tables.
    struct Settings {
        UTF16String propertyFileName;
    };

    // False when the element is no section of the main pass. A section that is switched off or
    // names no file is passed over; a file that fails to read is recorded, and what was read
    // before the failure stays.
    static bool ReadSection(const xercesc::DOMElement& element, ReadContext& context,
                            Settings& settings);
    // Only when the host asked for subdivision meshes; the first section that is not switched
    // on, or whose file fails, ends the pre-pass.
    static void ReadSubdivisionSections(const xercesc::DOMElement& documentElement,
                                        ReadContext& context, Settings& settings);
};

} // namespace Orvik
