#pragma once

#include "DomParser.h"
#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

namespace Orvik::Test {

// Writes a document whose body a test builds, and loads it through a producer context.
class LoaderFixture : public ::testing::Test {
protected:
    using Body = std::function<void(Writer::XmlDocumentBuilder&)>;

    std::string Write(const Body& body, const std::string& name = "doc.xml") {
        Writer::XmlDocumentBuilder builder;
        builder.Open("XMLDocument");
        body(builder);
        builder.Close();
        const std::string path = m_dir.PathOf(name);
        builder.WriteTo(path);
        m_written = path;
        return path;
    }

    // The document last written, parsed again: the producer frees its own once loaded, and a
    // test that hands elements to a reader by hand needs them alive.
    const xercesc::DOMElement* WrittenDocumentElement() {
        std::ifstream in(m_written, std::ios::binary);
        return m_dom.Parse(std::string(std::istreambuf_iterator<char>(in), {}));
    }

    XMLProducerImpl& Load(const Body& body, const char* prefix = nullptr) {
        m_context = std::make_unique<XMLProducerImpl>(UTF16String(Write(body)), &m_options);
        if (prefix)
            m_context->SetNewObjectIdPrefix(UTF8String(prefix));
        m_context->BeginProcess(IdSet(), &m_filter, nullptr);
        return *m_context;
    }

    // The body as markup, where that reads more plainly than building it.
    XMLProducerImpl& Load(std::string_view markup, const char* prefix = nullptr) {
        return Load([markup](Writer::XmlDocumentBuilder& b) { b.Raw(markup); }, prefix);
    }

    static void File(Writer::XmlDocumentBuilder& b, const std::string& id, const char* isRoot,
                     std::initializer_list<std::string> children = {}) {
        b.Open("IFile").Attribute("ID", id);
        if (isRoot)
            b.Attribute("IsRoot", isRoot);
        if (children.size() != 0) {
            b.Open("ChildSet");
            for (const std::string& child : children)
                b.Element("Child", {{"ID", child}});
            b.Close();
        }
        b.Close();
    }

    TestSupport::TempDirectory m_dir;
    std::string m_written;
    TestSupport::DomParser m_dom;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
    std::unique_ptr<XMLProducerImpl> m_context;
};

} // namespace Orvik::Test
