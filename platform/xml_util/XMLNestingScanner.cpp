#include "xml_util/XMLNestingScanner.h"

namespace Orvik {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.compare(at, prefix.size(), prefix) == 0;
}

// The position after the terminator, or the end of the text when there is none.
std::size_t After(std::string_view text, std::size_t from, std::string_view terminator) {
    const std::size_t found = text.find(terminator, from);
    return found == kNone ? text.size() : found + terminator.size();
}

} // namespace

bool XMLNestingScanner::WithinDepth(std::string_view text, std::size_t limit) {
    std::size_t depth = 0;
    std::size_t at = text.find('<');
    while (at != kNone && at + 1 < text.size()) {
        const char next = text[at + 1];
        if (next == '!' || next == '?') {
            at = SkipMarkup(text, at);
        } else if (next == '/') {
            depth = depth > 0 ? depth - 1 : 0;
            at = After(text, at, ">");
        } else {
            const std::size_t end = EndOfTag(text, at);
            if (end < text.size() && text[end - 1] != '/' && ++depth > limit)
                return false;
            at = end + 1;
        }
        at = at < text.size() ? text.find('<', at) : kNone;
    }
    return true;
}

// Comments, character data, processing instructions and declarations hold no elements.
std::size_t XMLNestingScanner::SkipMarkup(std::string_view text, std::size_t at) {
    if (StartsWith(text, at, "<!--"))
        return After(text, at + 4, "-->");
    if (StartsWith(text, at, "<![CDATA["))
        return After(text, at + 9, "]]>");
    if (StartsWith(text, at, "<?"))
        return After(text, at + 2, "?>");
    return EndOfDeclaration(text, at);
}

// The position of the '>' that closes a start tag, past quoted attribute values.
std::size_t XMLNestingScanner::EndOfTag(std::string_view text, std::size_t at) {
    char quote = 0;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return text.size();
}

// A declaration such as a document type, whose internal subset may hold '>' inside brackets
// and quotes.
std::size_t XMLNestingScanner::EndOfDeclaration(std::string_view text, std::size_t at) {
    char quote = 0;
    std::size_t brackets = 0;
    for (std::size_t i = at + 2; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            brackets = brackets > 0 ? brackets - 1 : 0;
        } else if (c == '>' && brackets == 0) {
            return i + 1;
        }
    }
    return text.size();
}

} // namespace Orvik
