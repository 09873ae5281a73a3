#include "xml_util/Base64.h"

#include <array>
#include <cstdint>

namespace Orvik {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::int8_t kInvalid = -1;
constexpr std::int8_t kWhitespace = -2;
constexpr std::int8_t kPadding = -3;

constexpr std::array<std::int8_t, 256> MakeDecodeTable() {
    std::array<std::int8_t, 256> table{};
    for (auto& entry : table) {
        entry = kInvalid;
    }
    for (int i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
    }
    for (unsigned char blank : {' ', '\t', '\r', '\n', '\f', '\v'}) {
        table[blank] = kWhitespace;
    }
    table['='] = kPadding;
    return table;
}

constexpr auto kDecodeTable = MakeDecodeTable();

void AppendQuantum(std::uint32_t bits, int sextets, std::string& bytes) {
    // 2, 3 or 4 sextets carry 1, 2 or 3 bytes; leftover low bits are ignored.
    bits <<= 6 * (4 - sextets);
    bytes.push_back(static_cast<char>((bits >> 16) & 0xFF));
    if (sextets > 2) {
        bytes.push_back(static_cast<char>((bits >> 8) & 0xFF));
    }
    if (sextets > 3) {
        bytes.push_back(static_cast<char>(bits & 0xFF));
    }
}

} // namespace

std::string Base64::Encode(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t bits = static_cast<unsigned char>(bytes[i]) << 16 |
                                   static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                   static_cast<unsigned char>(bytes[i + 2]);
        text.push_back(kAlphabet[(bits >> 18) & 0x3F]);
        text.push_back(kAlphabet[(bits >> 12) & 0x3F]);
        text.push_back(kAlphabet[(bits >> 6) & 0x3F]);
        text.push_back(kAlphabet[bits & 0x3F]);
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t bits = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) {
            bits |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        text.push_back(kAlphabet[(bits >> 18) & 0x3F]);
        text.push_back(kAlphabet[(bits >> 12) & 0x3F]);
        text.push_back(rest == 2 ? kAlphabet[(bits >> 6) & 0x3F] : '=');
        text.push_back('=');
    }
    return text;
}

bool Base64::Decode(std::string_view text, std::string& bytes) {
    std::string decoded;
    decoded.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t bits = 0;
    int sextets = 0;
    int paddings = 0;
    for (const char c : text) {
        const std::int8_t value = kDecodeTable[static_cast<unsigned char>(c)];
        if (value == kWhitespace) {
            continue;
        }
        if (value == kInvalid) {
            return false;
        }
        if (value == kPadding) {
            ++paddings;
            continue;
        }
        if (paddings > 0) {
            return false;
        }
        bits = bits << 6 | static_cast<std::uint32_t>(value);
        if (++sextets == 4) {
            AppendQuantum(bits, 4, decoded);
            bits = 0;
            sextets = 0;
        }
    }
    if (sextets == 1) {
        return false;
    }
    // Padding, when present, must complete the last quantum exactly.
    if (paddings > 0 && (sextets == 0 || sextets + paddings != 4)) {
        return false;
    }
    if (sextets > 1) {
        AppendQuantum(bits, sextets, decoded);
    }
    bytes = std::move(decoded);
    return true;
}

} // namespace Orvik
