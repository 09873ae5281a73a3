#pragma once

#include <string>
#include <string_view>

namespace Orvik {

// Standard alphabet (A-Z a-z 0-9 + /). Decoding ignores whitespace, accepts missing padding
// and refuses anything else, including text after the padding.
class Base64 {
public:
    static std::string Encode(std::string_view bytes);
    static bool Decode(std::string_view text, std::string& bytes);
};

} // namespace Orvik
