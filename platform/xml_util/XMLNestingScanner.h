#pragma once

#include <cstddef>
#include <string_view>

namespace Orvik {

// Measures how deeply the elements of XML text nest, in one pass, without parsing it. The
// parser's namespace handling costs time in proportion to the depth for every element, so a
// document nested thousands of levels deep is refused before it is parsed.
class XMLNestingScanner {
public:
    // True when no element lies deeper than the limit. Malformed text is not judged here: it
    // counts as shallow and the parser reports it.
    static bool WithinDepth(std::string_view text, std::size_t limit);

private:
    static std::size_t SkipMarkup(std::string_view text, std::size_t at);
    static std::size_t EndOfTag(std::string_view text, std::size_t at);
    static std::size_t EndOfDeclaration(std::string_view text, std::size_t at);
};

} // namespace Orvik
