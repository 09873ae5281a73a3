#include "xml_util/XMLObject.h"

#include <gtest/gtest.h>

namespace Orvik {
namespace {

ExtensionDataContent Record(const char* typeId, const char* data) {
    ExtensionDataContent content;
    content.SetTypeId(typeId);
    content.SetData(data);
    return content;
}

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

    object.SetChangeKey(UTF16String(u"ck"));
    object.SetVersionPersistentId("vp");
    object.AddProperty(Property("id-1", UTF16String(u"Mass"), Variant()));
    EXPECT_EQ(object.ChangeKeyImpl(changeKey), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(object.VersionPersistentIdImpl(versionId), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(object.PropertiesImpl(properties), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(changeKey, UTF16String(u"ck"));
    EXPECT_EQ(versionId, UTF8String("vp"));
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
