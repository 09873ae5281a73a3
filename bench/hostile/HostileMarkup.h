#pragma once

#include <string>

namespace Orvik::Hostile {

std::string Repeat(const std::string& text, int count);
// The markup nested depth levels deep in <a> elements below the document element.
std::string Nested(int depth, const std::string& inner);

// Document text is ASCII here, so each encoding is a byte-order mark and a widening.
struct Encoding {
    const char* label;
    const char* declared;
    const char* mark;
    enum { Bytes, LowByteFirst, HighByteFirst, Ebcdic } units;
};

extern const Encoding kEncodings[5];
const Encoding& EbcdicEncoding();

// The XML declaration naming the encoding.
std::string Declaration(const Encoding& encoding);
// ASCII text in the encoding, behind its byte-order mark.
std::string Encode(const Encoding& encoding, const std::string& ascii);

} // namespace Orvik::Hostile
