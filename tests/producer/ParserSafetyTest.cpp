#include "HostileMarkup.h"
#include "TempDirectory.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

namespace Orvik::Test {

namespace {

using namespace Hostile;

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

    // Each body loads in every encoding when failure is empty, otherwise fails saying it.
    struct Case {
        const char* what;
        std::string body;
        std::string failure;
    };
    void CheckInEveryEncoding(const std::vector<Case>& cases);

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
};

void ParserSafetyTest::CheckInEveryEncoding(const std::vector<Case>& cases) {
    int file = 0;
    for (const Encoding& encoding : kEncodings) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in " + encoding.label);
            const std::string failure =
                LoadFailure(m_dir.Write("doc" + std::to_string(++file) + ".xml",
                                        Encode(encoding, Declaration(encoding) + c.body)));
            if (c.failure.empty())
                EXPECT_EQ(failure, "");
            else
                EXPECT_NE(failure.find(c.failure), std::string::npos) << failure;
        }
    }
}

// Entities are the only way to make a small document large or to hide structure from the
// checks before the parse, and the format never uses them.
TEST_F(ParserSafetyTest, DocumentsDeclaringEntitiesAreRefusedInAnyEncoding) {
    std::string bomb = "<!DOCTYPE lolz [\n<!ENTITY l0 \"lol\">\n";
    for (int level = 1; level <= 12; ++level)
        bomb += "<!ENTITY l" + std::to_string(level) + " \"" +
                Repeat("&l" + std::to_string(level - 1) + ";", 10) + "\">\n";
    bomb += "]>\n<XMLDocument>&l12;</XMLDocument>\n";
    const std::string secret = m_dir.Write("secret.txt", "SECRET-CONTENT");
    const std::string refused = "the document declares entities, which this format does not use, "
                                "at line ";
    CheckInEveryEncoding({
        {"entity bomb", bomb, refused},
        {"external entity",
         "<!DOCTYPE XMLDocument SYSTEM 'missing.dtd' [<!ENTITY leak SYSTEM 'file://" + secret +
             "'>]><XMLDocument>&leak;</XMLDocument>",
         refused},
        {"internal entity",
         "<!DOCTYPE XMLDocument [<!ENTITY n 'x'>]><XMLDocument>&n;</XMLDocument>", refused},
        {"attribute list only", "<!DOCTYPE XMLDocument [<!ATTLIST a x CDATA '>'>]><XMLDocument/>",
         refused},
        {"bracket in a quoted id", "<!DOCTYPE XMLDocument SYSTEM 'a[b].dtd'><XMLDocument/>", ""},
        {"name only", "<!DOCTYPE XMLDocument><XMLDocument><!-- [ --></XMLDocument>", ""},
    });
}

TEST_F(ParserSafetyTest, NestingCountsElementsWhateverTheEncoding) {
    // Markup that only looks like elements: comments, character data, declarations, empty
    // elements; the last two sit one level below the innermost <a>.
    const std::string decoys = "<!-- <b><b><b> --><![CDATA[<c><c>]]><?pi <d>?><e/><f a='/'/>";
    const std::string tooDeep = "its elements nest deeper than 1000 levels";
    CheckInEveryEncoding({
        {"1100 siblings", Nested(0, Repeat("<a></a>", 1100)), ""},
        {"1100 empty siblings", Nested(0, Repeat("<b/>", 1100)), ""},
        {"1000 levels", Nested(998, decoys), ""},
        {"1001 levels", Nested(999, decoys), tooDeep},
        {"100000 levels", Nested(100000, ""), tooDeep},
    });
}

// Attributes, namespace declarations, values and elements are counted before the parser sees
// them, as written, so that a flood fails at once; markup that only looks like them is not.
TEST_F(ParserSafetyTest, LimitsAreCheckedBeforeTheParseInAnyEncoding) {
    XMLDocumentLimits limits;
    limits.maxAttributesPerElement = 3;
    limits.maxNamespaceDeclarationsPerElement = 2;
    limits.maxValueLength = 24;
    limits.maxElements = 5;
    m_options.SetDocumentLimits(limits);
    const std::string text24 = Repeat("t", 24);
    CheckInEveryEncoding({
        {"3 attributes", "<XMLDocument a='1' b='2' c='3'/>", ""},
        {"4 attributes", "<XMLDocument a='1' b='2' c='3'\n d='4'/>",
         "more than 3 attributes on one element (limit maxAttributesPerElement), at line 3"},
        {"decoys",
         "<XMLDocument a='=>=' b=\"x=y\"><!-- <a x=1 y=2 z=3 w=4> -->"
         "<![CDATA[<a x=1 y=2 z=3 w=4>]]><?pi a=1 b=2 c=3 d=4?></XMLDocument>",
         ""},
        {"2 namespaces", "<XMLDocument xmlns='u' xmlns:a='v' xmlnsb='w'/>", ""},
        {"3 namespaces",
         "<XMLDocument xmlns='u' xmlns:a='v'><a xmlns:b='1' xmlns:c='2'\n"
         "xmlns:d='3'/></XMLDocument>",
         "more than 2 namespace declarations on one element "
         "(limit maxNamespaceDeclarationsPerElement), at line 3"},
        {"values at the limit", "<XMLDocument a='" + text24 + "'>" + text24 + "</XMLDocument>", ""},
        {"long value", "<XMLDocument a='" + text24 + "t'/>",
         "more than 24 characters in one attribute value (limit maxValueLength), at line 2"},
        {"long text", "<XMLDocument>" + text24 + "t</XMLDocument>",
         "more than 24 characters in one text (limit maxValueLength), at line 2"},
        {"5 elements", "<XMLDocument>" + Repeat("<a/>", 4) + "</XMLDocument>", ""},
        {"6 elements", "<XMLDocument>" + Repeat("<a/>", 5) + "</XMLDocument>",
         "more than 5 elements in the document (limit maxElements), at line 2"},
    });
}

// The document is read as a local regular file only: other paths are rows of the hostile table.
TEST_F(ParserSafetyTest, ADocumentLargerThanItsLimitFailsWithAClearReason) {
    XMLDocumentLimits limits;
    limits.maxDocumentBytes = 10;
    m_options.SetDocumentLimits(limits);
    const std::string small = m_dir.Write("small.xml", "<XMLDocument/>");
    EXPECT_EQ(LoadFailure(small), "Could not read the document " + small +
                                      ": the file is larger than the limit of 10 bytes "
                                      "(maxDocumentBytes)");
}

} // namespace
} // namespace Orvik::Test
