#include "TempDirectory.h"

#include <functional>
#include <gtest/gtest.h>
#include <orvik/writer/XmlDocumentBuilder.h>
#include <stdexcept>

namespace Orvik::Writer::Test {
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

TEST(XmlDocumentBuilder, LaysOutAndEscapesDocuments) {
    const std::string utf8 = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    const struct {
        const char* what;
        bool indent;
        std::function<void(XmlDocumentBuilder&)> build;
        std::string expected;
    } cases[] = {
        {"nested elements indent, empty ones collapse", true,
         [](XmlDocumentBuilder& b) {
             b.Open("Root").Attribute("version", "2").Element("Empty", {{"a", "1"}, {"b", "2"}});
             b.Open("Group").TextElement("Name", "  spaced  ").Close().Close();
         },
         "<Root version=\"2\">\n  <Empty a=\"1\" b=\"2\"/>\n  <Group>\n"
         "    <Name>  spaced  </Name>\n  </Group>\n</Root>\n"},
        {"compact mode adds no whitespace", false,
         [](XmlDocumentBuilder& b) { b.Open("A").Element("B").TextElement("C", "x").Close(); },
         "<A><B/><C>x</C></A>"},
        // The child comes before the text, so indentation cannot be decided while streaming.
        {"mixed content is never indented", true,
         [](XmlDocumentBuilder& b) {
             b.Open("Root").Open("P").Element("B").Text("tail");
             b.Open("I").Element("U").Close().Close().Close();
         },
         "<Root>\n  <P><B/>tail<I><U/></I></P>\n</Root>\n"},
        {"raw markup is copied verbatim", true,
         [](XmlDocumentBuilder& b) {
             b.Raw("<!DOCTYPE r [<!ENTITY e \"&#38;\">]>").Open("r").Raw("&e;<![CDATA[<]]>");
             b.Close();
         },
         "<!DOCTYPE r [<!ENTITY e \"&#38;\">]>\n<r>&e;<![CDATA[<]]></r>\n"},
        {"text escapes markup characters", false,
         [](XmlDocumentBuilder& b) { b.TextElement("T", "a & b < c > d \"q\" 's'\r\n\tend"); },
         "<T>a &amp; b &lt; c &gt; d \"q\" 's'&#13;\n\tend</T>"},
        {"attributes escape quotes and whitespace", false,
         [](XmlDocumentBuilder& b) {
             b.Element("T", {{"v", "a&b<c>d\"e'f\ng\th\ri"}});
         },
         "<T v=\"a&amp;b&lt;c&gt;d&quot;e'f&#10;g&#9;h&#13;i\"/>"},
        {"UTF-8 passes through unchanged", false,
         [&](XmlDocumentBuilder& b) { b.Open("\xC3\x9F").Attribute("w", utf8).Text(utf8).Close(); },
         "<\xC3\x9F w=\"" + utf8 + "\">" + utf8 + "</\xC3\x9F>"},
    };
    for (const auto& c : cases) {
        XmlDocumentBuilder builder(c.indent);
        c.build(builder);
        EXPECT_EQ(builder.ToString(), kDeclaration + c.expected) << c.what;
    }
}

TEST(XmlDocumentBuilder, RejectsCharactersOutsideXmlNamingWhere) {
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
    for (const char* bad : {"", "a b", "a<b", "a>b", "a&b", "a\"b", "a'b", "a=b", "a/b", "a\tb"}) {
        EXPECT_THROW(XmlDocumentBuilder().Open(bad), std::invalid_argument) << "element: " << bad;
        EXPECT_THROW(builder.Attribute(bad, "v"), std::invalid_argument) << "attribute: " << bad;
    }
}

TEST(XmlDocumentBuilder, RejectsStructureThatIsNotWellFormed) {
    XmlDocumentBuilder builder;
    EXPECT_THROW(builder.ToString(), std::logic_error);
    EXPECT_THROW(builder.Close(), std::logic_error);
    EXPECT_THROW(builder.Text("outside"), std::logic_error);
    EXPECT_THROW(builder.Attribute("x", "1"), std::logic_error);

    builder.Open("Root").Attribute("x", "1");
    EXPECT_THROW(builder.Attribute("x", "2"), std::invalid_argument) << "duplicate attribute";
    // Attributes must come before any content: a child, text or raw markup.
    builder.Open("A").Element("Child");
    EXPECT_THROW(builder.Attribute("late", "1"), std::logic_error);
    builder.Close().Open("B").Text("t");
    EXPECT_THROW(builder.Attribute("late", "1"), std::logic_error);
    builder.Close().Open("C").Raw("&e;");
    EXPECT_THROW(builder.Attribute("late", "1"), std::logic_error);

    builder.Open("Inner");
    const std::string unclosed = MessageOf<std::logic_error>([&] { builder.ToString(); });
    EXPECT_NE(unclosed.find("<Inner>"), std::string::npos) << unclosed;
    builder.Close().Close().Close();
    EXPECT_THROW(builder.Open("SecondRoot"), std::logic_error);
}

TEST(XmlDocumentBuilder, WritesExactlyTheSerializedDocumentOrNamesThePath) {
    TestSupport::TempDirectory directory;
    XmlDocumentBuilder builder;
    builder.TextElement("A", "line\r\nbreak");
    builder.WriteTo(directory.PathOf("doc.xml"));
    EXPECT_EQ(TestSupport::ReadFile(directory.PathOf("doc.xml")), builder.ToString());

    const std::string path = directory.PathOf("missing/doc.xml");
    const std::string message = MessageOf<std::runtime_error>([&] { builder.WriteTo(path); });
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("No such file"), std::string::npos) << message;
}

} // namespace
} // namespace Orvik::Writer::Test
