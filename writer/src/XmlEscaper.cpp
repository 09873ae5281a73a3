#include "XmlEscaper.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace Orvik::Writer {
namespace {

struct SequenceShape {
    std::size_t length;
    std::uint32_t payload;
    std::uint32_t minimum;
};

bool ShapeFromLeadByte(unsigned char lead, SequenceShape& shape) {
    if ((lead & 0xE0U) == 0xC0U) {
        shape = {2, lead & 0x1FU, 0x80};
    } else if ((lead & 0xF0U) == 0xE0U) {
        shape = {3, lead & 0x0FU, 0x800};
    } else if ((lead & 0xF8U) == 0xF0U) {
        shape = {4, lead & 0x07U, 0x10000};
    } else {
        return false;
    }
    return true;
}

bool IsXmlCodePoint(std::uint32_t codePoint) {
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    const bool nonCharacter = codePoint == 0xFFFE || codePoint == 0xFFFF;
    return codePoint <= 0x10FFFF && !surrogate && !nonCharacter;
}

// Returns 0 when the bytes at `position` are not a complete, shortest-form XML character.
std::size_t MultiByteCharacterLength(std::string_view text, std::size_t position) {
    SequenceShape shape{};
    if (!ShapeFromLeadByte(static_cast<unsigned char>(text[position]), shape) ||
        position + shape.length > text.size()) {
        return 0;
    }
    std::uint32_t codePoint = shape.payload;
    for (std::size_t i = 1; i < shape.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[position + i]);
        if ((byte & 0xC0U) != 0x80U) {
            return 0;
        }
        codePoint = (codePoint << 6U) | (byte & 0x3FU);
    }
    const bool overlong = codePoint < shape.minimum;
    return overlong || !IsXmlCodePoint(codePoint) ? 0 : shape.length;
}

bool IsForbiddenControl(unsigned char byte) {
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

[[noreturn]] void ThrowBadCharacter(std::string_view text, std::size_t position,
                                    std::string_view context) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(text[position]));
    throw std::invalid_argument(
        "XmlDocumentBuilder: byte " + std::string(hex) + " at offset " + std::to_string(position) +
        " is not a valid XML character (UTF-8 expected) in " + std::string(context));
}

template <typename Replacement>
std::string Escape(std::string_view text, std::string_view context, Replacement replacementFor) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t position = 0; position < text.size();) {
        const auto byte = static_cast<unsigned char>(text[position]);
        if (byte < 0x80) {
            if (IsForbiddenControl(byte)) {
                ThrowBadCharacter(text, position, context);
            }
            const char* replacement = replacementFor(static_cast<char>(byte));
            out += replacement ? std::string_view(replacement) : text.substr(position, 1);
            ++position;
            continue;
        }
        const std::size_t length = MultiByteCharacterLength(text, position);
        if (length == 0) {
            ThrowBadCharacter(text, position, context);
        }
        out.append(text.substr(position, length));
        position += length;
    }
    return out;
}

const char* TextReplacement(char c) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    // A literal CR would be normalized away by any reader.
    case '\r':
        return "&#13;";
    default:
        return nullptr;
    }
}

const char* AttributeReplacement(char c) {
    switch (c) {
    case '"':
        return "&quot;";
    // Readers normalize literal whitespace in attribute values to spaces.
    case '\n':
        return "&#10;";
    case '\t':
        return "&#9;";
    default:
        return TextReplacement(c);
    }
}

bool IsForbiddenInName(unsigned char byte) {
    switch (byte) {
    case '<':
    case '>':
    case '&':
    case '"':
    case '\'':
    case '=':
    case '/':
    case 0x7F:
        return true;
    default:
        return byte <= 0x20;
    }
}

} // namespace

std::string XmlEscaper::EscapeText(std::string_view text, std::string_view context) {
    return Escape(text, context, TextReplacement);
}

std::string XmlEscaper::EscapeAttributeValue(std::string_view value, std::string_view context) {
    return Escape(value, context, AttributeReplacement);
}

bool XmlEscaper::IsValidName(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (std::size_t position = 0; position < name.size();) {
        const auto byte = static_cast<unsigned char>(name[position]);
        if (byte < 0x80) {
            if (IsForbiddenInName(byte)) {
                return false;
            }
            ++position;
            continue;
        }
        const std::size_t length = MultiByteCharacterLength(name, position);
        if (length == 0) {
            return false;
        }
        position += length;
    }
    return true;
}

} // namespace Orvik::Writer
