#include "orvik/writer/XmlDocumentBuilder.h"

#include "XmlEscaper.h"
#include "orvik/writer/CFile.h"

#include <algorithm>
#include <stdexcept>

namespace Orvik::Writer {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr std::size_t kIndentWidth = 2;

std::string ElementLabel(std::string_view name) {
    return "element <" + std::string(name) + ">";
}

void RequireValidName(std::string_view name, std::string_view kind) {
    if (!XmlEscaper::IsValidName(name)) {
        throw std::invalid_argument("XmlDocumentBuilder: invalid " + std::string(kind) + " name '" +
                                    std::string(name) + "'");
    }
}

} // namespace

XmlDocumentBuilder::XmlDocumentBuilder(bool indent)
    : indent_(indent) {}

XmlDocumentBuilder& XmlDocumentBuilder::Open(std::string_view elementName) {
    RequireValidName(elementName, "element");
    if (openPath_.empty() && hasRootElement_) {
        throw std::logic_error("XmlDocumentBuilder: cannot open " + ElementLabel(elementName) +
                               " after the root element was closed");
    }
    std::vector<Node>& siblings = CurrentChildren();
    siblings.push_back(Node{Node::Kind::Element, std::string(elementName), {}, {}, {}, {}});
    openPath_.push_back(siblings.size() - 1);
    hasRootElement_ = true;
    return *this;
}

XmlDocumentBuilder& XmlDocumentBuilder::Attribute(std::string_view name, std::string_view value) {
    RequireOpenElement("add attribute '" + std::string(name) + "'");
    Node& element = CurrentElement();
    const std::string where =
        "attribute '" + std::string(name) + "' of " + ElementLabel(element.name);
    if (!element.children.empty()) {
        throw std::logic_error("XmlDocumentBuilder: " + where + " must come before any content");
    }
    RequireValidName(name, "attribute");
    const auto& names = element.attributeNames;
    if (std::find(names.begin(), names.end(), name) != names.end()) {
        throw std::invalid_argument("XmlDocumentBuilder: duplicate " + where);
    }
    const std::string escaped = XmlEscaper::EscapeAttributeValue(value, where);
    element.attributeNames.emplace_back(name);
    element.escapedAttributes += ' ' + std::string(name) + "=\"" + escaped + '"';
    return *this;
}

XmlDocumentBuilder& XmlDocumentBuilder::Text(std::string_view text) {
    RequireOpenElement("add text");
    Node& element = CurrentElement();
    std::string escaped = XmlEscaper::EscapeText(text, "text of " + ElementLabel(element.name));
    if (!escaped.empty()) {
        element.children.push_back(Node{Node::Kind::Text, {}, {}, {}, std::move(escaped), {}});
    }
    return *this;
}

XmlDocumentBuilder& XmlDocumentBuilder::Close() {
    RequireOpenElement("close an element");
    openPath_.pop_back();
    return *this;
}

XmlDocumentBuilder& XmlDocumentBuilder::Element(std::string_view elementName,
                                                AttributeList attributes) {
    Open(elementName);
    for (const auto& [name, value] : attributes) {
        Attribute(name, value);
    }
    return Close();
}

XmlDocumentBuilder& XmlDocumentBuilder::TextElement(std::string_view elementName,
                                                    std::string_view text) {
    return Open(elementName).Text(text).Close();
}

XmlDocumentBuilder& XmlDocumentBuilder::Raw(std::string_view markup) {
    if (!markup.empty()) {
        CurrentChildren().push_back(Node{Node::Kind::Raw, {}, {}, {}, std::string(markup), {}});
    }
    return *this;
}

std::string XmlDocumentBuilder::ToString() const {
    if (!openPath_.empty()) {
        throw std::logic_error("XmlDocumentBuilder: " + ElementLabel(CurrentElement().name) +
                               " is still open");
    }
    if (topLevel_.empty()) {
        throw std::logic_error("XmlDocumentBuilder: the document is empty");
    }
    std::string out(kDeclaration);
    for (const Node& node : topLevel_) {
        AppendNode(node, 0, !indent_, out);
        if (indent_) {
            out += '\n';
        }
    }
    return out;
}

void XmlDocumentBuilder::WriteTo(const std::string& path) const {
    const std::string document = ToString();
    CFile file(path, "wb");
    file.WriteAll(document);
    file.Close();
}

XmlDocumentBuilder::Node& XmlDocumentBuilder::CurrentElement() {
    return const_cast<Node&>(std::as_const(*this).CurrentElement());
}

const XmlDocumentBuilder::Node& XmlDocumentBuilder::CurrentElement() const {
    const Node* node = &topLevel_.at(openPath_.front());
    for (std::size_t level = 1; level < openPath_.size(); ++level) {
        node = &node->children[openPath_[level]];
    }
    return *node;
}

std::vector<XmlDocumentBuilder::Node>& XmlDocumentBuilder::CurrentChildren() {
    return openPath_.empty() ? topLevel_ : CurrentElement().children;
}

void XmlDocumentBuilder::RequireOpenElement(std::string_view operation) const {
    if (openPath_.empty()) {
        throw std::logic_error("XmlDocumentBuilder: cannot " + std::string(operation) +
                               " outside an open element");
    }
}

void XmlDocumentBuilder::AppendNode(const Node& node, std::size_t depth, bool compact,
                                    std::string& out) const {
    if (node.kind != Node::Kind::Element) {
        out += node.content;
        return;
    }
    out += '<';
    out += node.name;
    out += node.escapedAttributes;
    if (node.children.empty()) {
        out += "/>";
        return;
    }
    out += '>';
    AppendChildren(node, depth, compact, out);
    out += "</";
    out += node.name;
    out += '>';
}

void XmlDocumentBuilder::AppendChildren(const Node& element, std::size_t depth, bool compact,
                                        std::string& out) const {
    // Indenting inside character content would change the text a reader sees.
    const bool childrenCompact = compact || HasCharacterContent(element);
    for (const Node& child : element.children) {
        if (!childrenCompact) {
            out += '\n';
            out.append((depth + 1) * kIndentWidth, ' ');
        }
        AppendNode(child, depth + 1, childrenCompact, out);
    }
    if (!childrenCompact) {
        out += '\n';
        out.append(depth * kIndentWidth, ' ');
    }
}

bool XmlDocumentBuilder::HasCharacterContent(const Node& element) {
    return std::any_of(element.children.begin(), element.children.end(),
                       [](const Node& child) { return child.kind != Node::Kind::Element; });
}

} // namespace Orvik::Writer
