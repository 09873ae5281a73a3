#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include <xercesc/framework/XMLFormatter.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/SecurityManager.hpp>

namespace Orvik::Bench {

// The floor a load cannot go below: the document read into memory, parsed by Xerces-C's DOM
// parser with the producer's settings, and every element and attribute visited once with their
// names and values transcoded to UTF-8 by one reused transcoder. The platform must be
// initialised by the caller.
class BareDomWalk {
public:
    BareDomWalk();
    ~BareDomWalk();
    BareDomWalk(const BareDomWalk&) = delete;
    BareDomWalk& operator=(const BareDomWalk&) = delete;

    // A checksum of what was visited, so nothing of the walk can be optimised away; the DOM
    // stays held until this object goes.
    std::size_t ParseAndWalk(const std::string& path);

private:
    std::size_t Transcode(const XMLCh* text);

    xercesc::SecurityManager m_securityManager;
    xercesc::XercesDOMParser m_parser;
    std::unique_ptr<xercesc::XMLTranscoder> m_transcoder;
    std::vector<XMLByte> m_utf8;
};

} // namespace Orvik::Bench
