#include "TempDirectory.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

namespace Orvik::Test {

namespace {

class ParserSafetyTest : public ::testing::Test {
protected:
    // Empty when the document loads, otherwise why it did not.
    std::string LoadFailure(const std::string& path) {
        XMLProducer producer{UTF16String(path), &m_options};
        try {
            producer.BeginProcess(IdSet(), &m_filter, nullptr);
        } catch (const FileException& e) {
            return e.Message().Value();
        }
        return std::string();
    }

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
};

std::string Repeat(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i)
        repeated += text;
    return repeated;
}

std::string Nested(int depth, const std::string& inner) {
    return "<XMLDocument>" + Repeat("<a x='>'>", depth) + inner + Repeat("</a>", depth) +
           "</XMLDocument>";
}

// Document text is ASCII here, so each encoding is a byte-order mark and a widening.
struct Encoding {
    const char* label;
    const char* declared;
    const char* mark;
    enum { Bytes, LowByteFirst, HighByteFirst } units;
};

std::string Encode(const Encoding& encoding, const std::string& ascii) {
    std::string bytes = encoding.mark;
    for (const char c : ascii) {
        if (encoding.units == Encoding::HighByteFirst)
            bytes += '\0';
        bytes += c;
        if (encoding.units == Encoding::LowByteFirst)
            bytes += '\0';
    }
    return bytes;
}

TEST_F(ParserSafetyTest, EntityBombFailsInsteadOfExhaustingMemory) {
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY l0 \"lol\">\n";
    for (int level = 1; level <= 12; ++level)
        bomb += "<!ENTITY l" + std::to_string(level) + " \"" +
                Repeat("&l" + std::to_string(level - 1) + ";", 10) + "\">\n";
    bomb += "]>\n<XMLDocument>&l12;</XMLDocument>\n";
    EXPECT_NE(LoadFailure(m_dir.Write("bomb.xml", bomb)), "");
}

// Refusing a document with an external entity is as safe as leaving the entity empty; internal
// entities within the limit still expand.
TEST_F(ParserSafetyTest, ExternalEntitiesAndDtdsAreNeverReadInternalOnesAre) {
    const std::string secret = m_dir.Write("secret.txt", "SECRET-CONTENT");
    const std::string external = "<!DOCTYPE XMLDocument SYSTEM \"missing.dtd\" [\n"
                                 "<!ENTITY leak SYSTEM \"file://" +
                                 secret + "\">\n]>\n<XMLDocument>&leak;</XMLDocument>\n";
    const std::string internal = "<!DOCTYPE XMLDocument [<!ENTITY name \"expanded\">]>\n"
                                 "<XMLDocument>&name;</XMLDocument>\n";
    const std::pair<std::string, std::u16string> cases[] = {{external, u""},
                                                            {internal, u"expanded"}};
    for (const auto& [document, expected] : cases) {
        XMLProducerImpl producer(UTF16String(m_dir.Write("doc.xml", document)), &m_options);
        try {
            producer.BeginProcess(IdSet(), &m_filter, nullptr);
        } catch (const FileException&) {
            EXPECT_EQ(document, external);
            continue;
        }
        const auto* root = producer.Parser()->getDocument()->getDocumentElement();
        EXPECT_EQ(std::u16string(root->getTextContent()), expected);
    }
}

TEST_F(ParserSafetyTest, NestingCountsElementsWhateverTheEncoding) {
    const Encoding encodings[] = {
        {"UTF-8 with a mark", "UTF-8", "\xEF\xBB\xBF", Encoding::Bytes},
        {"UTF-16 LE", "UTF-16", "\xFF\xFE", Encoding::LowByteFirst},
        {"UTF-16 BE", "UTF-16", "\xFE\xFF", Encoding::HighByteFirst},
    };
    // Markup that only looks like elements: comments, character data, declarations, empty
    // elements; the last two sit one level below the innermost <a>.
    const std::string decoys = "<!-- <b><b><b> --><![CDATA[<c><c>]]><?pi <d>?><e/><f a='/'/>";
    const struct {
        const char* what;
        std::string body;
        bool loads;
    } documents[] = {
        {"1100 siblings", Nested(0, Repeat("<a></a>", 1100)), true},
        {"1100 empty siblings", Nested(0, Repeat("<b/>", 1100)), true},
        {"1000 levels", Nested(998, decoys), true},
        {"1001 levels", Nested(999, decoys), false},
        {"100000 levels", Nested(100000, ""), false},
    };
    int file = 0;
    for (const Encoding& encoding : encodings) {
        for (const auto& document : documents) {
            const std::string text = std::string("<?xml version=\"1.0\" encoding=\"") +
                                     encoding.declared + "\"?><!DOCTYPE XMLDocument [" +
                                     "<!ATTLIST a x CDATA '>'>]>" + document.body;
            const std::string path =
                m_dir.Write("doc" + std::to_string(++file) + ".xml", Encode(encoding, text));
            const std::string failure = LoadFailure(path);
            SCOPED_TRACE(std::string(document.what) + " in " + encoding.label);
            if (document.loads)
                EXPECT_EQ(failure, "");
            else
                EXPECT_NE(failure.find("its elements nest deeper than 1000 levels"),
                          std::string::npos)
                    << failure;
        }
    }
}

TEST_F(ParserSafetyTest, NestingThroughEntityReferencesCounts) {
    // Every entity wraps the one before in ten more levels: d99 holds 1000, the root one more.
    std::string document = "<?xml version=\"1.0\"?>\n<!DOCTYPE XMLDocument [\n";
    const std::string open = Repeat("<a>", 10);
    const std::string close = Repeat("</a>", 10);
    for (int level = 0; level < 100; ++level) {
        const std::string inner = level == 0 ? "" : "&d" + std::to_string(level - 1) + ";";
        document += "<!ENTITY d" + std::to_string(level) + " \"" + open + inner + close + "\">\n";
    }
    const std::string failure = LoadFailure(
        m_dir.Write("entities.xml", document + "]>\n<XMLDocument>&d99;</XMLDocument>\n"));
    EXPECT_NE(failure.find("its elements nest deeper than 1000 levels"), std::string::npos)
        << failure;
    EXPECT_EQ(LoadFailure(
                  m_dir.Write("shallow.xml", document + "]>\n<XMLDocument>&d98;</XMLDocument>\n")),
              "");
}

} // namespace
} // namespace Orvik::Test
