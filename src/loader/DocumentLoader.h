#pragma once

#include <xercesc/parsers/XercesDOMParser.hpp>

namespace Orvik {

class XMLProducerImpl;

// Turns the parsed document into loaded state: side files into the cache, the universe, every
// top-level entity into an object (in ascending id order), and the root settled.
class DocumentLoader {
public:
    static bool LoadDocument(xercesc::XercesDOMParser& parser, XMLProducerImpl& context);
};

} // namespace Orvik
