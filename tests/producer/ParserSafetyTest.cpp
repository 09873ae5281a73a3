#include "TempDirectory.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
    enum { Bytes, LowByteFirst, HighByteFirst, Ebcdic } units;
};

// The US EBCDIC page, for the characters the test documents use.
char ToEbcdic(char c) {
    static const std::string ascii = " <>=\"'/?!-.[]:&;\n_0123456789abcdefghijklmnopqrstuvwxyz"
                                     "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static const std::string ebcdic =
        "\x40\x4C\x6E\x7E\x7F\x7D\x61\x6F\x5A\x60\x4B\xBA\xBB\x7A\x50\x5E\x25\x6D"
        "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9"
        "\x81\x82\x83\x84\x85\x86\x87\x88\x89\x91\x92\x93\x94\x95\x96\x97\x98\x99"
        "\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9"
        "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9"
        "\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9";
    const std::size_t at = ascii.find(c);
    return at == std::string::npos ? '\x6F' : ebcdic[at];
}

const Encoding kEncodings[] = {
    {"UTF-8", "UTF-8", "", Encoding::Bytes},
    {"UTF-8 with a mark", "UTF-8", "\xEF\xBB\xBF", Encoding::Bytes},
    {"UTF-16 LE", "UTF-16", "\xFF\xFE", Encoding::LowByteFirst},
    {"UTF-16 BE", "UTF-16", "\xFE\xFF", Encoding::HighByteFirst},
    {"EBCDIC", "EBCDIC-CP-US", "", Encoding::Ebcdic},
};

std::string Declaration(const Encoding& encoding) {
    return std::string("<?xml version=\"1.0\" encoding=\"") + encoding.declared + "\"?>\n";
}

std::string Encode(const Encoding& encoding, const std::string& ascii) {
    std::string bytes = encoding.mark;
    for (const char c : ascii) {
        if (encoding.units == Encoding::Ebcdic) {
            bytes += ToEbcdic(c);
            continue;
        }
        if (encoding.units == Encoding::HighByteFirst)
            bytes += '\0';
        bytes += c;
        if (encoding.units == Encoding::LowByteFirst)
            bytes += '\0';
    }
    return bytes;
}

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

// A parser that checks each attribute against all before it needs minutes for these.
TEST_F(ParserSafetyTest, FloodsFailWithTheDefaultLimits) {
    std::string attributes = "<XMLDocument";
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + std::to_string(i) + "='1'";
    std::string namespaces = "<XMLDocument";
    for (int i = 0; i < 20000; ++i)
        namespaces += " xmlns:p" + std::to_string(i) + "='u" + std::to_string(i) + "'";
    const std::pair<std::string, const char*> cases[] = {
        {attributes + "/>", "more than 1000 attributes on one element"},
        {namespaces + "/>", "more than 64 namespace declarations on one element"},
    };
    for (const auto& [document, failure] : cases)
        EXPECT_NE(LoadFailure(m_dir.Write("flood.xml", document)).find(failure), std::string::npos);
}

// The document is read as a local regular file only, never through a URL or from a device.
TEST_F(ParserSafetyTest, DocumentsThatAreNoRegularFilesFailWithAClearReason) {
    const std::string pipe = m_dir.PathOf("pipe.xml");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(m_dir.PathOf("folder.xml"));
    XMLDocumentLimits limits;
    limits.maxDocumentBytes = 10;
    const std::string small = m_dir.Write("small.xml", "<XMLDocument/>");
    const struct {
        std::string path;
        std::string failure;
    } cases[] = {
        {m_dir.PathOf("absent.xml"), ": the file does not exist"},
        {"http://127.0.0.1:9/document.xml", ": the file does not exist"},
        {m_dir.PathOf("folder.xml"), ": the file is not a regular file but a directory"},
        {pipe, ": the file is not a regular file but a pipe"},
        {"/dev/zero", ": the file is not a regular file but a device"},
        {small, ": the file is larger than the limit of 10 bytes (maxDocumentBytes)"},
    };
    m_options.SetDocumentLimits(limits);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string failure = LoadFailure(c.path);
        EXPECT_EQ(failure, "Could not read the document " + c.path + c.failure);
    }
}

} // namespace
} // namespace Orvik::Test
