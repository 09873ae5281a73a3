#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Orvik::Writer {

// Builds well-formed XML in memory; misuse throws rather than emitting broken markup.
// Raw() is the one deliberate escape hatch, for tests that need hostile input.
class XmlDocumentBuilder {
public:
    using AttributeList = std::initializer_list<std::pair<std::string_view, std::string_view>>;

    explicit XmlDocumentBuilder(bool indent = true);

    XmlDocumentBuilder& Open(std::string_view elementName);
    XmlDocumentBuilder& Attribute(std::string_view name, std::string_view value);
    XmlDocumentBuilder& Text(std::string_view text);
    XmlDocumentBuilder& Close();
    XmlDocumentBuilder& Element(std::string_view elementName, AttributeList attributes = {});
    XmlDocumentBuilder& TextElement(std::string_view elementName, std::string_view text);
    XmlDocumentBuilder& Raw(std::string_view markup);

    std::string ToString() const;
    void WriteTo(const std::string& path) const;

private:
    struct Node {
        enum class Kind { Element, Text, Raw };

        Kind kind;
        std::string name;
        std::vector<std::string> attributeNames;
        std::string escapedAttributes;
        std::string content;
        std::vector<Node> children;
    };

    Node& CurrentElement();
    const Node& CurrentElement() const;
    std::vector<Node>& CurrentChildren();
    void RequireOpenElement(std::string_view operation) const;

    void AppendNode(const Node& node, std::size_t depth, bool compact, std::string& out) const;
    void AppendChildren(const Node& element, std::size_t depth, bool compact,
                        std::string& out) const;
    static bool HasCharacterContent(const Node& element);

    bool indent_;
    bool hasRootElement_ = false;
    std::vector<Node> topLevel_;
    // Indices rather than pointers keep the builder safely copyable.
    std::vector<std::size_t> openPath_;
};

} // namespace Orvik::Writer
