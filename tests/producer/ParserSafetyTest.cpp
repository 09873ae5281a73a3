#include "TempDirectory.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <fstream>
#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

namespace Orvik::Test {

using TestSupport::TempDirectory;
namespace {

class ParserSafetyTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = m_dir.PathOf(name);
        std::ofstream(path) << text;
        return path;
    }

    TempDirectory m_dir;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
};

TEST_F(ParserSafetyTest, EntityBombFailsInsteadOfExhaustingMemory) {
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY l0 \"lol\">\n";
    for (int level = 1; level <= 12; ++level)
        bomb += "<!ENTITY l" + std::to_string(level) + " \"" + [&] {
            std::string refs;
            for (int i = 0; i < 10; ++i)
                refs += "&l" + std::to_string(level - 1) + ";";
            return refs;
        }() + "\">\n";
    bomb += "]>\n<XMLDocument>&l12;</XMLDocument>\n";
    XMLProducer producer(UTF16String(Write("bomb.xml", bomb)), &m_options);
    EXPECT_THROW(producer.BeginProcess(IdSet(), &m_filter, nullptr), FileException);
}

TEST_F(ParserSafetyTest, ExternalEntitiesAndDtdsAreNeverRead) {
    const std::string secret = Write("secret.txt", "SECRET-CONTENT");
    const std::string document = "<?xml version=\"1.0\"?>\n"
                                 "<!DOCTYPE XMLDocument SYSTEM \"missing.dtd\" [\n"
                                 "<!ENTITY leak SYSTEM \"file://" +
                                 secret +
                                 "\">\n]>\n"
                                 "<XMLDocument><IFile ID=\"f\">&leak;</IFile></XMLDocument>\n";
    XMLProducerImpl producer(UTF16String(Write("leak.xml", document)), &m_options);
    try {
        producer.BeginProcess(IdSet(), &m_filter, nullptr);
    } catch (const FileException&) {
        return; // refusing the document is as safe as leaving the entity empty
    }
    const auto* root = producer.Parser()->getDocument()->getDocumentElement();
    const std::u16string text = root->getTextContent();
    EXPECT_EQ(text.find(u"SECRET"), std::u16string::npos);
}

TEST_F(ParserSafetyTest, DocumentsNestedTooDeeplyAreRefusedBeforeParsing) {
    const auto nested = [](int depth, const std::string& inner) {
        std::string text = "<XMLDocument>";
        for (int level = 0; level < depth; ++level)
            text += "<a x='>'>";
        text += inner;
        for (int level = 0; level < depth; ++level)
            text += "</a>";
        return text + "</XMLDocument>";
    };
    XMLProducer deep(UTF16String(Write("deep.xml", nested(100000, ""))), &m_options);
    try {
        deep.BeginProcess(IdSet(), &m_filter, nullptr);
        FAIL() << "expected FileException";
    } catch (const FileException& e) {
        EXPECT_NE(e.Message().Value().find("deeper than 1000 levels"), std::string::npos)
            << e.what();
    }
    // Markup that only looks like elements does not count: comments, character data,
    // self-closing elements, declarations.
    const std::string decoys = "<!-- <b><b><b> --><![CDATA[<c><c>]]><?pi <d>?><e/><f a='/'/>";
    XMLProducer shallow(
        UTF16String(Write("shallow.xml",
                          "<!DOCTYPE XMLDocument [<!ATTLIST a x CDATA '>'>]>" + nested(998, decoys))),
        &m_options);
    EXPECT_NO_THROW(shallow.BeginProcess(IdSet(), &m_filter, nullptr));
}

TEST_F(ParserSafetyTest, InternalEntitiesWithinTheLimitStillWork) {
    const std::string document = "<?xml version=\"1.0\"?>\n"
                                 "<!DOCTYPE XMLDocument [<!ENTITY name \"expanded\">]>\n"
                                 "<XMLDocument>&name;</XMLDocument>\n";
    XMLProducerImpl producer(UTF16String(Write("ok.xml", document)), &m_options);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    const auto* root = producer.Parser()->getDocument()->getDocumentElement();
    EXPECT_EQ(std::u16string(root->getTextContent()), u"expanded");
}

} // namespace
} // namespace Orvik::Test
