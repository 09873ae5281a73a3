#pragma once

#include "DomParser.h"
#include "TempDirectory.h"
#include "loader/XMLUniverse.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik::Test {

// Reads "IUniverse" elements straight from memory; the document path points into a fresh
// folder so that side files can be placed beside it.
class UniverseFixture : public TestSupport::XercesTest {
protected:
    using Body = std::function<void(Writer::XmlDocumentBuilder&)>;

    // The document element is the "IUniverse" element whose children the body writes.
    const xercesc::DOMElement* ParseUniverseElement(const Body& body) {
        Writer::XmlDocumentBuilder builder;
        builder.Open("IUniverse");
        body(builder);
        builder.Close();
        return Parse(builder.ToString());
    }

    std::unique_ptr<XMLUniverse> ReadUniverse(const Body& body) {
        auto universe = std::make_unique<XMLUniverse>(m_context.Context());
        EXPECT_TRUE(universe->ReadUniverse(ParseUniverseElement(body)));
        return universe;
    }

    // The universe's children as markup.
    std::unique_ptr<XMLUniverse> ReadUniverse(std::string_view markup) {
        return ReadUniverse([markup](Writer::XmlDocumentBuilder& b) { b.Raw(markup); });
    }

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    XMLProducerImpl m_context{UTF16String(m_dir.PathOf("doc.xml")), &m_options};
};

} // namespace Orvik::Test
