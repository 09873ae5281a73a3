#include "DomParser.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLObject.h"
#include "xml_util/XMLUtils.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;

using XmlDomTest = TestSupport::XercesTest;

TEST_F(XmlDomTest, FlagAttributesTakeOnlyKnownSpellings) {
    const DOMElement* element =
        Parse(R"(<E A="True" B="true" C="1" D="False" F="false" G="0" H="TRUE" I="yes" J=""/>)");
    // Name, whether it reads, and the value it gives; the target starts opposite to it.
    const std::tuple<const char*, bool, bool> cases[] = {
        {"A", true, true},   {"B", true, true},        {"C", true, true},   {"D", true, false},
        {"F", true, false},  {"G", true, false},       {"H", false, false}, {"I", false, false},
        {"J", false, false}, {"Missing", false, false}};
    for (const auto& [name, reads, expected] : cases) {
        bool value = !expected;
        EXPECT_EQ(XMLUtils::GetNodeAttribute(element, name, value), reads) << name;
        EXPECT_EQ(value, reads ? expected : !expected) << name;
    }
}

TEST_F(XmlDomTest, TextAndNumberAttributes) {
    const DOMElement* element = Parse("<E Label=\"M\xC3\xB6"
                                      "bel\" Empty=\"\" X=\" 2.5 \" Bad=\"2,5\"/>");
    UTF16String label;
    EXPECT_TRUE(XMLUtils::GetNodeAttribute(element, "Label", label));
    EXPECT_EQ(label, UTF16String(u"M\u00F6bel"));
    UTF8String narrow("before");
    EXPECT_TRUE(XMLUtils::GetNodeAttribute(element, "Label", narrow));
    EXPECT_EQ(narrow.Value(), "M\xC3\xB6"
                              "bel");
    EXPECT_TRUE(XMLUtils::GetNodeAttribute(element, u"Empty", narrow));
    EXPECT_TRUE(narrow.IsEmpty());

    double x = 0.0;
    EXPECT_TRUE(XMLUtils::GetNodeAttribute(element, "X", x));
    EXPECT_DOUBLE_EQ(x, 2.5);
    EXPECT_FALSE(XMLUtils::GetNodeAttribute(element, "Bad", x));
    EXPECT_FALSE(XMLUtils::GetNodeAttribute(element, "Missing", x));
    EXPECT_DOUBLE_EQ(x, 2.5);
    EXPECT_TRUE(XMLUtils::GetNodeAttribute(element, XMLChName("X"), x)) << "by a name constant";
}

TEST_F(XmlDomTest, NullAndNonElementNodesLeaveTargets) {
    const DOMElement* element = Parse("<E ID=\"a\">text</E>");
    const DOMNode* text = element->getFirstChild();
    ASSERT_EQ(text->getNodeType(), DOMNode::TEXT_NODE);

    UTF8String id("kept");
    UTF16String wide(u"kept");
    double number = 4.0;
    bool flag = true;
    for (const DOMNode* node : {static_cast<const DOMNode*>(nullptr), text}) {
        EXPECT_FALSE(XMLUtils::GetNodeAttribute(node, "ID", id));
        EXPECT_FALSE(XMLUtils::GetNodeAttribute(node, "ID", wide));
        EXPECT_FALSE(XMLUtils::GetNodeAttribute(node, "ID", number));
        EXPECT_FALSE(XMLUtils::GetNodeAttribute(node, "ID", flag));
    }
    EXPECT_EQ(id, UTF8String("kept"));
    EXPECT_EQ(wide, UTF16String(u"kept"));
    EXPECT_EQ(number, 4.0);
    EXPECT_TRUE(flag);
}

TEST_F(XmlDomTest, FilePathsResolveAgainstTheirFolder) {
    const DOMElement* root = Parse(R"(<R><A Path="side/mesh.bin"/><B Path="/abs/x.bin"/><C/></R>)");
    const DOMElement* relative = root->getFirstElementChild();
    const DOMElement* absolute = relative->getNextElementSibling();
    const UTF16String document(u"/docs/model.xml");
    EXPECT_EQ(XMLUtils::GetFilePath(relative, document), UTF16String(u"/docs/side/mesh.bin"));
    EXPECT_EQ(XMLUtils::GetFilePath(absolute, document), UTF16String(u"/abs/x.bin"));
    EXPECT_TRUE(XMLUtils::GetFilePath(absolute->getNextElementSibling(), document).IsEmpty());
    EXPECT_EQ(XMLUtils::GetFilePath(relative, UTF16String(u"model.xml")),
              UTF16String(u"side/mesh.bin"));

    const DOMElement* fileRefs = Parse(R"(<FileRefs>
        <FileRef Path="one.bin"/>
        <Other Path="ignored.bin"/>
        <FileRef/>
        <FileRef Path="/abs/two.bin"/>
        <FileRef Path=""/>
    </FileRefs>)");
    // The admission sees each written "Path" once and decides what is added.
    std::vector<UTF16String> asked;
    const auto admit = [&asked](const xercesc::DOMNode&, const UTF16String& written,
                                UTF16String& path) {
        asked.push_back(written);
        path = UTF16String(u"/side/") + written;
        return written != UTF16String(u"/abs/two.bin");
    };
    ExtensionDataContent content;
    XMLUtils::ProcessExtDataRefFilesNode(fileRefs, content, admit);
    XMLUtils::ProcessExtDataRefFilesNode(nullptr, content, admit);
    EXPECT_EQ(asked,
              (std::vector<UTF16String>{UTF16String(u"one.bin"), UTF16String(u"/abs/two.bin")}));
    EXPECT_EQ(content.FileRefs(), std::vector<UTF16String>{UTF16String(u"/side/one.bin")});
}

ExtensionDataContent Record(const char* typeId, const char* data) {
    ExtensionDataContent content;
    content.SetTypeId(typeId);
    content.SetData(data);
    return content;
}

// Setting a value is seen through every loaded entity; here, what stays unset.
TEST(XmlObject, OptionalValuesStayUnspecifiedAndOutputsUntouchedUntilSet) {
    XMLObject object("id-1", UTF16String(u"Label"));
    UTF16String changeKey(u"untouched");
    UTF8String versionId("untouched");
    std::vector<Property> properties(1);
    ExtensionDataContent content = Record("keep", "keep");
    EXPECT_EQ(object.ChangeKeyImpl(changeKey), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(object.VersionPersistentIdImpl(versionId), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(object.PropertiesImpl(properties), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(object.ExtensionDataByTypeIdImpl("any", content), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(object.DomainDataImpl(), nullptr);
    EXPECT_EQ(changeKey, UTF16String(u"untouched"));
    EXPECT_EQ(versionId, UTF8String("untouched"));
    EXPECT_EQ(properties.size(), 1u);
    EXPECT_EQ(content.Data(), "keep");

    object.AddProperty(Property("id-1", UTF16String(u"Mass"), Variant()));
    EXPECT_EQ(object.PropertiesImpl(properties), IsValueSpecifiedEnum::kSpecified);
    ASSERT_EQ(properties.size(), 1u) << "the answer replaces what the list held";
    EXPECT_EQ(properties[0].Name(), UTF16String(u"Mass"));
}

TEST(XmlObject, ExtensionDataAnswersTheFirstRecordOfAType) {
    XMLObject object("id", UTF16String());
    object.AddExtensionDataContent(Record("a", "first a"));
    object.AddExtensionDataContent({Record("b", "only b"), Record("a", "second a")});

    ExtensionDataContent content;
    ASSERT_EQ(object.ExtensionDataByTypeIdImpl("a", content), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(content.Data(), "first a");
    ASSERT_EQ(object.ExtensionDataByTypeIdImpl("b", content), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(content.Data(), "only b");
    EXPECT_EQ(object.ExtensionDataByTypeIdImpl("c", content), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(content.Data(), "only b");
}

} // namespace
} // namespace Orvik
