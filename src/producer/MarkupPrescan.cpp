#include "producer/MarkupPrescan.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

constexpr char kEntitiesRefused[] =
    "the document declares entities, which this format does not use";

template <typename Char>
bool IsSpace(Char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

template <typename Char>
bool StartsWith(const Char* at, const Char* end, const char* text) {
    for (; *text != '\0'; ++text, ++at) {
        if (at == end || *at != static_cast<Char>(static_cast<unsigned char>(*text)))
            return false;
    }
    return true;
}

template <typename Char>
const Char* Find(const Char* from, const Char* end, char wanted) {
    return std::find(from, end, static_cast<Char>(wanted));
}

// Just past the first occurrence of text at or after from, or end.
template <typename Char>
const Char* SkipPast(const Char* from, const Char* end, const char* text) {
    for (const Char* at = Find(from, end, text[0]); at != end; at = Find(at + 1, end, text[0])) {
        if (StartsWith(at, end, text))
            return at + std::char_traits<char>::length(text);
    }
    return end;
}

// The markup of one document in one code unit type: bytes for UTF-8 and the other encodings
// whose markup characters are ASCII, UTF-16 units for the rest.
template <typename Char>
class Scan {
public:
    Scan(const Char* begin, const Char* end, const XMLDocumentLimits& limits)
        : m_begin(begin)
        , m_end(end)
        , m_limits(limits) {}

    std::string Run() {
        const Char* at = m_begin;
        while (m_failure.empty()) {
            const Char* open = Find(at, m_end, '<');
            CheckLength(at, open, "text");
            if (open == m_end || open + 1 == m_end)
                break;
            at = Markup(open + 1);
        }
        return m_failure;
    }

private:
    // at is just past a '<'; answers where the text after this markup starts.
    const Char* Markup(const Char* at) {
        if (StartsWith(at, m_end, "!--"))
            return SkipPast(at + 3, m_end, "-->");
        if (StartsWith(at, m_end, "![CDATA[")) {
            const Char* after = SkipPast(at + 8, m_end, "]]>");
            CheckLength(at + 8, after, "character data section");
            return after;
        }
        if (*at == '!')
            return Declaration(at + 1);
        if (*at == '?')
            return SkipPast(at + 1, m_end, "?>");
        if (*at == '/')
            return std::min(Find(at, m_end, '>') + 1, m_end);
        return StartTag(at);
    }

    // A DOCTYPE may name the document element and an external subset (which is never loaded),
    // but an internal subset is where entities are declared.
    const Char* Declaration(const Char* at) {
        for (; at != m_end; ++at) {
            if (*at == '"' || *at == '\'') {
                at = Find(at + 1, m_end, static_cast<char>(*at));
                if (at == m_end)
                    break;
            } else if (*at == '[') {
                Fail(at, kEntitiesRefused);
                break;
            } else if (*at == '>') {
                return at + 1;
            }
        }
        return m_end;
    }

    const Char* StartTag(const Char* at) {
        if (++m_elements > m_limits.maxElements)
            return Exceeded(at, "elements in the document", m_limits.maxElements, "maxElements");
        std::uint64_t attributes = 0;
        std::uint64_t namespaces = 0;
        for (; at != m_end; ++at) {
            const Char c = *at;
            if (c == '>')
                return at + 1;
            if (c == '"' || c == '\'') {
                const Char* close = Find(at + 1, m_end, static_cast<char>(c));
                CheckLength(at + 1, close, "attribute value");
                at = close;
                if (at == m_end)
                    break;
            } else if (c == '=' && ++attributes > m_limits.maxAttributesPerElement) {
                return Exceeded(at, "attributes on one element", m_limits.maxAttributesPerElement,
                                "maxAttributesPerElement");
            } else if (IsSpace(c) && IsNamespaceDeclaration(at + 1) &&
                       ++namespaces > m_limits.maxNamespaceDeclarationsPerElement) {
                return Exceeded(at + 1, "namespace declarations on one element",
                                m_limits.maxNamespaceDeclarationsPerElement,
                                "maxNamespaceDeclarationsPerElement");
            }
        }
        return m_end;
    }

    bool IsNamespaceDeclaration(const Char* at) const {
        if (!StartsWith(at, m_end, "xmlns"))
            return false;
        at += 5;
        return at != m_end && (*at == ':' || *at == '=' || IsSpace(*at));
    }

    void CheckLength(const Char* from, const Char* to, const char* what) {
        if (m_failure.empty() && static_cast<std::uint64_t>(to - from) > m_limits.maxValueLength)
            Exceeded(from, std::string("characters in one ") + what, m_limits.maxValueLength,
                     "maxValueLength");
    }

    const Char* Exceeded(const Char* at, const std::string& what, std::uint64_t limit,
                         const char* name) {
        Fail(at, "the document has more than " + std::to_string(limit) + " " + what + " (limit " +
                     name + ")");
        return m_end;
    }

    void Fail(const Char* at, const std::string& why) {
        const auto line = 1 + std::count(m_begin, at, static_cast<Char>('\n'));
        m_failure = why + ", at line " + std::to_string(line);
    }

    const Char* m_begin;
    const Char* m_end;
    const XMLDocumentLimits& m_limits;
    std::uint64_t m_elements = 0;
    std::string m_failure;
};

// The page every EBCDIC document is read by until its declaration names another.
constexpr XMLCh kUsEbcdic[] = u"IBM037";

// The encodings whose markup is not ASCII bytes, told by the first bytes as XML parsers do.
const XMLCh* WideEncodingOf(const std::string& bytes) {
    auto startsWith = [&bytes](std::initializer_list<unsigned char> prefix) {
        return bytes.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), bytes.begin(), [](unsigned char a, char b) {
                   return a == static_cast<unsigned char>(b);
               });
    };
    if (startsWith({0x00, 0x00, 0xFE, 0xFF}) || startsWith({0x00, 0x00, 0x00, 0x3C}))
        return xercesc::XMLUni::fgUCS4BEncodingString;
    if (startsWith({0xFF, 0xFE, 0x00, 0x00}) || startsWith({0x3C, 0x00, 0x00, 0x00}))
        return xercesc::XMLUni::fgUCS4LEncodingString;
    if (startsWith({0xFE, 0xFF}) || startsWith({0x00, 0x3C}))
        return xercesc::XMLUni::fgUTF16BEncodingString;
    if (startsWith({0xFF, 0xFE}) || startsWith({0x3C, 0x00}))
        return xercesc::XMLUni::fgUTF16LEncodingString;
    if (startsWith({0x4C, 0x6F, 0xA7, 0x94}))
        return kUsEbcdic;
    return nullptr;
}

void Append(std::u16string& out, const XMLCh* units, XMLSize_t count) {
    out.append(units, units + count);
}

// Markup is ASCII: every unit outside it stands as one byte that is no markup, so the scan
// sees the same structure, lengths and lines in half the memory of the units.
void Append(std::string& out, const XMLCh* units, XMLSize_t count) {
    for (XMLSize_t i = 0; i < count; ++i)
        out.push_back(units[i] < 0x80 ? static_cast<char>(units[i]) : '\x80');
}

// The whole document, one element of `out` for each UTF-16 unit, or why it could not be read
// so. Reserved once for the units the bytes make at most (an EBCDIC byte makes one), so a large
// document is not copied while it grows.
template <typename Out>
std::string Widen(const std::string& bytes, const XMLCh* encoding, std::size_t bytesPerUnit,
                  Out& out) {
    constexpr XMLSize_t kBlock = 16 * 1024;
    xercesc::XMLTransService::Codes code = xercesc::XMLTransService::Ok;
    std::unique_ptr<xercesc::XMLTranscoder> transcoder(
        xercesc::XMLPlatformUtils::fgTransService->makeNewTranscoderFor(encoding, code, kBlock));
    if (!transcoder)
        return "its encoding is not supported";
    out.clear();
    out.reserve(bytes.size() / bytesPerUnit + 1);
    XMLCh block[kBlock];
    unsigned char sizes[kBlock];
    const auto* source = reinterpret_cast<const XMLByte*>(bytes.data());
    XMLSize_t left = bytes.size();
    while (left > 0) {
        XMLSize_t eaten = 0;
        const XMLSize_t made = transcoder->transcodeFrom(source, left, block, kBlock, eaten, sizes);
        Append(out, block, made);
        // What a transcoder cannot take is left for the parser to report.
        if (eaten == 0)
            break;
        source += eaten;
        left -= eaten;
    }
    return std::string();
}

// EBCDIC pages differ in markup characters such as '!' and '[', so the page the declaration
// names is the one to read by; the declaration itself uses characters all pages share.
std::u16string DeclaredEbcdicPage(const std::string& bytes) {
    std::u16string start;
    Widen(bytes.substr(0, 256), kUsEbcdic, 1, start);
    const std::size_t name = start.find(u"encoding");
    if (name == std::u16string::npos || start.find(u"?>") < name)
        return std::u16string();
    const std::size_t open = start.find_first_of(u"\"'", name);
    const std::size_t close =
        open == std::u16string::npos ? open : start.find(start[open], open + 1);
    if (close == std::u16string::npos)
        return std::u16string();
    return start.substr(open + 1, close - open - 1);
}

} // namespace

std::string MarkupPrescan::Check(const std::string& bytes) const {
    const XMLCh* encoding = WideEncodingOf(bytes);
    if (encoding == nullptr)
        return Scan<char>(bytes.data(), bytes.data() + bytes.size(), m_limits).Run();
    std::string units;
    std::string failure;
    try {
        std::u16string page;
        if (encoding == kUsEbcdic)
            page = DeclaredEbcdicPage(bytes);
        const std::size_t bytesPerUnit = encoding == kUsEbcdic ? 1 : 2;
        failure = Widen(bytes, page.empty() ? encoding : page.c_str(), bytesPerUnit, units);
        // A page known to the parser by another name is read as the US page.
        if (!failure.empty() && !page.empty())
            failure = Widen(bytes, encoding, bytesPerUnit, units);
    } catch (const xercesc::XMLException&) {
        // Bytes the encoding cannot hold end the text here; the parser says what is wrong.
    }
    if (!failure.empty())
        return failure;
    return Scan<char>(units.data(), units.data() + units.size(), m_limits).Run();
}

} // namespace Orvik
