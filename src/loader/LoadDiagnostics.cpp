#include "loader/LoadDiagnostics.h"

#include "orvik/api/UTF16String.h"

#include <string>
#include <vector>
#include <xercesc/dom/DOMNode.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;

std::string Narrow(const XMLCh* text) {
    return text ? UTF16String(text).ToUTF8() : std::string();
}

bool SameName(const DOMNode* node, const XMLCh* name) {
    return node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

// Positions count from 1 among the element's siblings of the same name; zero when it has none,
// so a lone element is named without one.
std::size_t PositionAmongNamesakes(const DOMElement& element) {
    const XMLCh* name = element.getNodeName();
    std::size_t before = 0;
    for (const DOMNode* node = element.getPreviousSibling(); node;
         node = node->getPreviousSibling())
        if (SameName(node, name))
            ++before;
    if (before > 0)
        return before + 1;
    for (const DOMNode* node = element.getNextSibling(); node; node = node->getNextSibling())
        if (SameName(node, name))
            return 1;
    return 0;
}

std::string Step(const DOMElement& element) {
    std::string step = Narrow(element.getNodeName());
    const XMLCh* id = element.getAttribute(u"ID");
    if (id != nullptr && *id != 0)
        return step + "[@ID='" + Narrow(id) + "']";
    if (const std::size_t position = PositionAmongNamesakes(element))
        step += "[" + std::to_string(position) + "]";
    return step;
}

} // namespace

const char* DiagnosticCodeName(DiagnosticCode code) {
    switch (code) {
    case DiagnosticCode::kSideFileUnreadable:
        return "side-file-unreadable";
    case DiagnosticCode::kMissingId:
        return "missing-id";
    case DiagnosticCode::kUnresolvedReference:
        return "unresolved-reference";
    case DiagnosticCode::kUnknownChild:
        return "unknown-child";
    case DiagnosticCode::kUnparsableValue:
        return "unparsable-value";
    case DiagnosticCode::kZipEntryRefused:
        return "zip-entry-refused";
    case DiagnosticCode::kLimitReached:
        return "limit-reached";
    case DiagnosticCode::kReadFailed:
        return "read-failed";
    case DiagnosticCode::kOutsideDocumentFolder:
        return "outside-document-folder";
    }
    return "unknown";
}

const char* DiagnosticSeverityName(DiagnosticSeverity severity) {
    switch (severity) {
    case DiagnosticSeverity::kInfo:
        return "info";
    case DiagnosticSeverity::kWarning:
        return "warning";
    case DiagnosticSeverity::kError:
        return "error";
    }
    return "unknown";
}

UTF8String LoadDiagnostics::PathOf(const DOMElement& element) {
    std::vector<std::string> steps;
    for (const DOMNode* node = &element; node && node->getNodeType() == DOMNode::ELEMENT_NODE;
         node = node->getParentNode())
        steps.push_back(Step(static_cast<const DOMElement&>(*node)));
    std::string path;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (!path.empty())
            path += '/';
        path += *step;
    }
    return UTF8String(path);
}

bool LoadDiagnostics::Full() {
    if (m_entries.size() < kMaxEntries)
        return false;
    ++m_dropped;
    XMLLoadDiagnostic& last = m_entries.back();
    last.code = DiagnosticCode::kLimitReached;
    last.severity = DiagnosticSeverity::kWarning;
    last.element = last.id = last.path = UTF8String();
    last.message = UTF8String(std::to_string(m_dropped + 1) + " further diagnostics were dropped");
    return true;
}

void LoadDiagnostics::Record(DiagnosticCode code, DiagnosticSeverity severity,
                             const DOMElement* element, const UTF8String& message) {
    if (Full())
        return;
    XMLLoadDiagnostic entry;
    entry.code = code;
    entry.severity = severity;
    entry.message = message;
    if (element != nullptr) {
        entry.element = UTF8String(Narrow(element->getNodeName()));
        entry.id = UTF8String(Narrow(element->getAttribute(u"ID")));
        entry.path = PathOf(*element);
    }
    m_entries.push_back(std::move(entry));
}

void LoadDiagnostics::Record(DiagnosticCode code, DiagnosticSeverity severity,
                             const UTF8String& message) {
    Record(code, severity, nullptr, message);
}

void LoadDiagnostics::Clear() {
    m_entries.clear();
    m_dropped = 0;
}

} // namespace Orvik
