#include "TempDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <orvik/writer/XmlDocumentBuilder.h>
#include <sstream>
#include <stdexcept>

namespace Orvik::Writer::Test {

using TestSupport::TempDirectory;
namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

template <typename Exception, typename Action>
std::string MessageOf(Action action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.what();
    }
    ADD_FAILURE() << "expected an exception";
    return {};
}

TEST(XmlDocumentBuilderLayout, IndentsNestedElementsAndCollapsesEmptyOnes) {
    XmlDocumentBuilder builder;
    builder.Open("Root")
        .Attribute("version", "2")
        .Element("Empty", {{"a", "1"}, {"b", "2"}})
        .Open("Group")
        .TextElement("Name", "  spaced  ")
        .Close()
        .Close();
    EXPECT_EQ(builder.ToString(), kDeclaration + "<Root version=\"2\">\n"
                                                 "  <Empty a=\"1\" b=\"2\"/>\n"
                                                 "  <Group>\n"
                                                 "    <Name>  spaced  </Name>\n"
                                                 "  </Group>\n"
                                                 "</Root>\n");
}

TEST(XmlDocumentBuilderLayout, CompactModeAddsNoWhitespace) {
    XmlDocumentBuilder builder(false);
    builder.Open("A").Element("B").TextElement("C", "x").Close();
    EXPECT_EQ(builder.ToString(), kDeclaration + "<A><B/><C>x</C></A>");
}

TEST(XmlDocumentBuilderLayout, MixedContentIsNeverIndented) {
    // The child comes before the text, so indentation cannot be decided while streaming.
    XmlDocumentBuilder builder;
    builder.Open("Root")
        .Open("P")
        .Element("B")
        .Text("tail")
        .Open("I")
        .Element("U")
        .Close()
        .Close()
        .Close();
    EXPECT_EQ(builder.ToString(), kDeclaration + "<Root>\n  <P><B/>tail<I><U/></I></P>\n</Root>\n");
}

TEST(XmlDocumentBuilderLayout, RawMarkupIsCopiedVerbatim) {
    XmlDocumentBuilder builder;
    builder.Raw("<!DOCTYPE r [<!ENTITY e \"&#38;\">]>").Open("r").Raw("&e;<![CDATA[<]]>").Close();
    EXPECT_EQ(builder.ToString(),
              kDeclaration + "<!DOCTYPE r [<!ENTITY e \"&#38;\">]>\n<r>&e;<![CDATA[<]]></r>\n");
}

TEST(XmlDocumentBuilderEscaping, EscapesMarkupCharactersInText) {
    XmlDocumentBuilder builder(false);
    builder.TextElement("T", "a & b < c > d \"q\" 's'\r\n\tend");
    EXPECT_EQ(builder.ToString(),
              kDeclaration + "<T>a &amp; b &lt; c &gt; d \"q\" 's'&#13;\n\tend</T>");
}

TEST(XmlDocumentBuilderEscaping, EscapesQuotesAndWhitespaceInAttributes) {
    XmlDocumentBuilder builder(false);
    builder.Element("T", {{"v", "a&b<c>d\"e'f\ng\th\ri"}});
    EXPECT_EQ(builder.ToString(),
              kDeclaration + "<T v=\"a&amp;b&lt;c&gt;d&quot;e'f&#10;g&#9;h&#13;i\"/>");
}

TEST(XmlDocumentBuilderEscaping, PassesUtf8ThroughUnchanged) {
    const std::string text = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    XmlDocumentBuilder builder(false);
    builder.Open("\xC3\x9F").Attribute("w", text).Text(text).Close();
    EXPECT_EQ(builder.ToString(),
              kDeclaration + "<\xC3\x9F w=\"" + text + "\">" + text + "</\xC3\x9F>");
}

TEST(XmlDocumentBuilderErrors, RejectsCharactersOutsideXml) {
    XmlDocumentBuilder builder;
    builder.Open("Item");
    const std::string textError =
        MessageOf<std::invalid_argument>([&] { builder.Text(std::string("a\x01", 2)); });
    EXPECT_NE(textError.find("0x01"), std::string::npos) << textError;
    EXPECT_NE(textError.find("<Item>"), std::string::npos) << textError;

    const std::string attributeError =
        MessageOf<std::invalid_argument>([&] { builder.Attribute("code", std::string(1, '\0')); });
    EXPECT_NE(attributeError.find("'code'"), std::string::npos) << attributeError;

    for (const char* bad :
         {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xEF\xBF\xBF", "\xF4\x90\x80\x80"}) {
        EXPECT_THROW(builder.Text(bad), std::invalid_argument) << "bytes: " << bad;
    }
}

TEST(XmlDocumentBuilderErrors, RejectsMalformedNames) {
    for (const char* bad : {"", "a b", "a<b", "a>b", "a&b", "a\"b", "a'b", "a=b", "a/b", "a\tb"}) {
        XmlDocumentBuilder builder;
        EXPECT_THROW(builder.Open(bad), std::invalid_argument) << "element: " << bad;
        builder.Open("ok");
        EXPECT_THROW(builder.Attribute(bad, "v"), std::invalid_argument) << "attribute: " << bad;
    }
}

TEST(XmlDocumentBuilderErrors, RejectsAttributeOnceContentStarted) {
    XmlDocumentBuilder builder;
    builder.Open("Root").Open("A").Element("Child");
    EXPECT_THROW(builder.Attribute("late", "1"), std::logic_error);
    builder.Close().Open("B").Text("t");
    EXPECT_THROW(builder.Attribute("late", "1"), std::logic_error);
    builder.Close().Open("C").Raw("&e;");
    EXPECT_THROW(builder.Attribute("late", "1"), std::logic_error);
}

TEST(XmlDocumentBuilderErrors, RejectsDuplicateAttribute) {
    XmlDocumentBuilder builder;
    builder.Open("A").Attribute("x", "1");
    EXPECT_THROW(builder.Attribute("x", "2"), std::invalid_argument);
}

TEST(XmlDocumentBuilderErrors, RejectsStructureThatIsNotWellFormed) {
    XmlDocumentBuilder builder;
    EXPECT_THROW(builder.ToString(), std::logic_error);
    EXPECT_THROW(builder.Close(), std::logic_error);
    EXPECT_THROW(builder.Text("outside"), std::logic_error);
    EXPECT_THROW(builder.Attribute("x", "1"), std::logic_error);

    builder.Open("Root").Open("Inner");
    const std::string unclosed = MessageOf<std::logic_error>([&] { builder.ToString(); });
    EXPECT_NE(unclosed.find("<Inner>"), std::string::npos) << unclosed;

    builder.Close().Close();
    EXPECT_THROW(builder.Open("SecondRoot"), std::logic_error);
}

TEST(XmlDocumentBuilderFile, WritesExactlyTheSerializedDocument) {
    TempDirectory directory;
    XmlDocumentBuilder builder;
    builder.TextElement("A", "line\r\nbreak");
    const std::string path = directory.PathOf("doc.xml");
    builder.WriteTo(path);

    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    EXPECT_EQ(content.str(), builder.ToString());
}

TEST(XmlDocumentBuilderFile, ReportsPathWhenFileCannotBeCreated) {
    TempDirectory directory;
    XmlDocumentBuilder builder;
    builder.Element("A");
    const std::string path = directory.PathOf("missing/doc.xml");
    const std::string message = MessageOf<std::runtime_error>([&] { builder.WriteTo(path); });
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("No such file"), std::string::npos) << message;
}

} // namespace
} // namespace Orvik::Writer::Test
