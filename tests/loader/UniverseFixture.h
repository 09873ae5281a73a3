#pragma once

#include "TempDirectory.h"
#include "loader/XMLUniverse.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik::Test {

// Reads "IUniverse" elements straight from memory; the document path points into a fresh
// folder so that side files can be placed beside it.
class UniverseFixture : public ::testing::Test {
protected:
    using Body = std::function<void(Writer::XmlDocumentBuilder&)>;

    static void SetUpTestSuite() { xercesc::XMLPlatformUtils::Initialize(); }
    static void TearDownTestSuite() { xercesc::XMLPlatformUtils::Terminate(); }
    void TearDown() override { m_parser.reset(); }

    const xercesc::DOMElement* Parse(const std::string& xml) {
        m_parser = std::make_unique<xercesc::XercesDOMParser>();
        const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()),
                                                xml.size(), "universe");
        m_parser->parse(source);
        EXPECT_EQ(m_parser->getErrorCount(), 0u);
        return m_parser->getDocument()->getDocumentElement();
    }

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

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    XMLProducerImpl m_context{UTF16String(m_dir.PathOf("doc.xml")), &m_options};

private:
    std::unique_ptr<xercesc::XercesDOMParser> m_parser;
};

} // namespace Orvik::Test
