#include "HostileMarkup.h"

namespace Orvik::Hostile {
namespace {

// The US EBCDIC page, for the characters the documents use.
char ToEbcdic(char c) {
    static const std::string ascii = " <>=\"'/?!-.[]:&;\n_0123456789abcdefghijklmnopqrstuvwxyz"
                                     "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static const std::string ebcdic =
        "\x40\x4C\x6E\x7E\x7F\x7D\x61\x6F\x5A\x60\x4B\xBA\xBB\x7A\x50\x5E\x25\x6D"
        "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9"
        "\x81\x82\x83\x84\x85\x86\x87\x88\x89\x91\x92\x93\x94\x95\x96\x97\x98\x99"
        "\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9"
        "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9"
        "\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9";
    const std::size_t at = ascii.find(c);
    return at == std::string::npos ? '\x6F' : ebcdic[at];
}

} // namespace

const Encoding kEncodings[5] = {
    {"UTF-8", "UTF-8", "", Encoding::Bytes},
    {"UTF-8 with a mark", "UTF-8", "\xEF\xBB\xBF", Encoding::Bytes},
    {"UTF-16 LE", "UTF-16", "\xFF\xFE", Encoding::LowByteFirst},
    {"UTF-16 BE", "UTF-16", "\xFE\xFF", Encoding::HighByteFirst},
    {"EBCDIC", "EBCDIC-CP-US", "", Encoding::Ebcdic},
};

const Encoding& EbcdicEncoding() {
    return kEncodings[4];
}

std::string Repeat(const std::string& text, int count) {
    std::string repeated;
    repeated.reserve(text.size() * static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        repeated += text;
    return repeated;
}

std::string Nested(int depth, const std::string& inner) {
    return "<XMLDocument>" + Repeat("<a x='>'>", depth) + inner + Repeat("</a>", depth) +
           "</XMLDocument>";
}

std::string Declaration(const Encoding& encoding) {
    return std::string("<?xml version=\"1.0\" encoding=\"") + encoding.declared + "\"?>\n";
}

std::string Encode(const Encoding& encoding, const std::string& ascii) {
    std::string bytes = encoding.mark;
    for (const char c : ascii) {
        if (encoding.units == Encoding::Ebcdic) {
            bytes += ToEbcdic(c);
            continue;
        }
        if (encoding.units == Encoding::HighByteFirst)
            bytes += '\0';
        bytes += c;
        if (encoding.units == Encoding::LowByteFirst)
            bytes += '\0';
    }
    return bytes;
}

} // namespace Orvik::Hostile
